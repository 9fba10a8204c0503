#include "config/MediaExtensions.h"

#include <cstring>

namespace {

constexpr ExtensionRow kPictureRows[] = {{11355, 4}, {11354, 6}, {11356, 7}, {11357, 5},
                                         {11352, 2}, {11353, 3}, {11350, 1}, {11351, 1},
                                         {11377, 8}, {11378, 9}};
constexpr ExtensionRow kTextRows[] = {{11365, 1}, {11375, 2}, {11368, 3}, {11369, 4}};
constexpr ExtensionRow kMovieRows[] = {{11361, 1}, {11362, 1}, {11363, 3}};
constexpr ExtensionRow kVideoRows[] = {{11364, 1}, {11372, 2}, {11373, 2}, {11374, 3}};
constexpr ExtensionRow kSoundRows[] = {{11358, 1}, {11359, 2}};
constexpr ExtensionRow kMetafileRows[] = {{11366, 1}, {11376, 2}};
constexpr ExtensionRow kPaletteRows[] = {{11367, 1}};
constexpr ExtensionRow kCursorRows[] = {{11370, 1}};
constexpr ExtensionRow kIconRows[] = {{11371, 1}};

template <std::size_t count> constexpr ExtensionTable Table(const ExtensionRow (&rows)[count]) {
    return {rows, count};
}

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsNamed(const char* name, unsigned int id, ExtensionLoader load) {
    char text[kExtensionSize] = {};
    return load(id, text, kExtensionSize) && SameTextIgnoringCase(name, text);
}

} // namespace

const ExtensionTable kPictureExtensions = Table(kPictureRows);
const ExtensionTable kTextExtensions = Table(kTextRows);
const ExtensionTable kMovieExtensions = Table(kMovieRows);
const ExtensionTable kVideoExtensions = Table(kVideoRows);
const ExtensionTable kSoundExtensions = Table(kSoundRows);
const ExtensionTable kMetafileExtensions = Table(kMetafileRows);
const ExtensionTable kPaletteExtensions = Table(kPaletteRows);
const ExtensionTable kCursorExtensions = Table(kCursorRows);
const ExtensionTable kIconExtensions = Table(kIconRows);

const char* NameExtension(const char* name) {
    return name ? std::strrchr(name, '.') : nullptr;
}

bool SameTextIgnoringCase(const char* left, const char* right) {
    for (; *left && *right; ++left, ++right) {
        if (FoldAscii(*left) != FoldAscii(*right))
            return false;
    }
    return *left == *right;
}

bool HasExtension(const char* name, unsigned int id, ExtensionLoader load) {
    const char* extension = NameExtension(name);
    return extension && IsNamed(extension, id, load);
}

WORD MatchExtension(const char* name, const ExtensionTable& table, ExtensionLoader load) {
    const char* extension = NameExtension(name);
    if (!extension)
        return 0;
    for (std::size_t row = 0; row < table.count; ++row) {
        if (IsNamed(extension, table.rows[row].id, load))
            return table.rows[row].subType;
    }
    return 0;
}

WORD MatchSound(const char* name, ExtensionLoader load) {
    if (name && *name && IsNamed(name, kCdAudioNameId, load))
        return kCdAudioSubType;
    return MatchExtension(name, kSoundExtensions, load);
}

int ClassifyMediaName(const char* name, ExtensionLoader load) {
    struct Candidate {
        const ExtensionTable* table;
        int mediaType;
    };
    // Earlier rows win where two would accept a name; sound (no table) also knows CD audio.
    static const Candidate kOrder[] = {{&kPictureExtensions, 3},
                                       {&kTextExtensions, 2},
                                       {&kMovieExtensions, 5},
                                       {&kVideoExtensions, 4},
                                       {nullptr, 6},
                                       {&kMetafileExtensions, 7},
                                       {&kCursorExtensions, 8},
                                       {&kPaletteExtensions, 9}};
    for (const Candidate& candidate : kOrder) {
        const WORD subType =
            candidate.table ? MatchExtension(name, *candidate.table, load) : MatchSound(name, load);
        if (subType)
            return candidate.mediaType;
    }
    return 0;
}
