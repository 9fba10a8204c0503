// Media classification by file name extension, the extension texts coming from the caller.
#pragma once

#include "QernoTypes.h"

#include <cstddef>

// Room for one extension text with its terminator.
constexpr int kExtensionSize = 80;

// Fetches the text of a string id into buffer (size bytes with the terminator); false when the
// id has no text.
using ExtensionLoader = bool (*)(unsigned int id, char* buffer, int size);

struct ExtensionRow {
    unsigned int id;
    WORD subType;
};

// The rows of one media type, tried in order; the first matching extension decides.
struct ExtensionTable {
    const ExtensionRow* rows;
    std::size_t count;
};

extern const ExtensionTable kPictureExtensions;
extern const ExtensionTable kTextExtensions;
extern const ExtensionTable kMovieExtensions;
extern const ExtensionTable kVideoExtensions;
extern const ExtensionTable kSoundExtensions;
extern const ExtensionTable kMetafileExtensions;
extern const ExtensionTable kPaletteExtensions;
extern const ExtensionTable kCursorExtensions;
extern const ExtensionTable kIconExtensions;

constexpr unsigned int kProjectExtensionId = 11004;
// CD audio has no file: the host passes this device name as the whole name.
constexpr unsigned int kCdAudioNameId = 11360;
constexpr WORD kCdAudioSubType = 3;

// The text from the name's last dot, or null for a null name or one without a dot.
const char* NameExtension(const char* name);

// Case is folded for ASCII letters only: extensions are ASCII, and a match must not depend on
// the user's code page.
bool SameTextIgnoringCase(const char* left, const char* right);

// Whether the name's extension equals the text of id.
bool HasExtension(const char* name, unsigned int id, ExtensionLoader load);

// The sub-type of the first row whose extension the name has, or 0.
WORD MatchExtension(const char* name, const ExtensionTable& table, ExtensionLoader load);

// Sound also knows CD audio by its whole name, before any extension is looked at.
WORD MatchSound(const char* name, ExtensionLoader load);

// The media type number: 0 unknown, 2 text, 3 picture, 4 video, 5 movie, 6 sound, 7 metafile,
// 8 cursor, 9 palette. Icons are not media of their own.
int ClassifyMediaName(const char* name, ExtensionLoader load);
