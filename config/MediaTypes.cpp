// Media classification with the extension texts of the resource module.
#include "QernoConfig.h"
#include "QernoFrame.h"
#include "config/MediaExtensions.h"

namespace {

bool LoadResourceText(unsigned int id, char* buffer, int size) {
    return GetIDStringB(id, buffer, size) != 0;
}

} // namespace

BOOL QERNO_CALL CheckFileType(const char* name, UINT id) {
    return HasExtension(name, id, LoadResourceText) ? TRUE : FALSE;
}

BOOL QERNO_CALL CheckLumoFileType(const char* name) {
    return CheckFileType(name, kProjectExtensionId);
}

int QERNO_CALL GetFileNameType(const char* name) {
    return ClassifyMediaName(name, LoadResourceText);
}

WORD QERNO_CALL CheckPicFileType(const char* name) {
    return MatchExtension(name, kPictureExtensions, LoadResourceText);
}

WORD QERNO_CALL CheckTextFileType(const char* name) {
    return MatchExtension(name, kTextExtensions, LoadResourceText);
}

WORD QERNO_CALL CheckMovieFileType(const char* name) {
    return MatchExtension(name, kMovieExtensions, LoadResourceText);
}

WORD QERNO_CALL CheckVideoFileType(const char* name) {
    return MatchExtension(name, kVideoExtensions, LoadResourceText);
}

WORD QERNO_CALL CheckSoundFileType(const char* name) {
    return MatchSound(name, LoadResourceText);
}

WORD QERNO_CALL CheckWmfFileType(const char* name) {
    return MatchExtension(name, kMetafileExtensions, LoadResourceText);
}

WORD QERNO_CALL CheckPalFileType(const char* name) {
    return MatchExtension(name, kPaletteExtensions, LoadResourceText);
}

WORD QERNO_CALL CheckCurFileType(const char* name) {
    return MatchExtension(name, kCursorExtensions, LoadResourceText);
}

WORD QERNO_CALL CheckIconFileType(const char* name) {
    return MatchExtension(name, kIconExtensions, LoadResourceText);
}
