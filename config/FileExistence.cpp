#include "QernoConfig.h"
#include "QernoFrame.h"
#include "config/FileNames.h"

#include <io.h>

#include <cstring>

namespace {

// OpenFile keeps the name in an OFSTRUCT field of this size, terminator included.
constexpr std::size_t kOpenFileNameSize = OFS_MAXPATHNAME;

constexpr unsigned int kNotBareNameId = 12125;
constexpr unsigned int kEndOfPairs = 0xFFFFFFFF;

} // namespace

BOOL QERNO_CALL CheckPathExist(const char* path) {
    return _access(path, 0) != -1;
}

// A name too long for OpenFile's field is refused as missing rather than tested cut,
// since the cut name would be another file.
BOOL QERNO_CALL CheckIfFileExists(const char* name) {
    if (!name || !name[0] || std::strlen(name) >= kOpenFileNameSize)
        return FALSE;
    OFSTRUCT found = {};
    const HFILE file = OpenFile(name, &found, OF_EXIST);
    if (file < 0)
        return FALSE;
    _lclose(file);
    return TRUE;
}

// A composed path too long for its buffer is refused as missing, for the same reason.
BOOL QERNO_CALL CheckIfPathFileExists(const char* dir, const char* name) {
    if (!dir || !name)
        return FALSE;
    char path[kPathSize];
    const std::size_t dirLength = std::strlen(dir);
    if (dirLength + 1 + std::strlen(name) >= sizeof path)
        return FALSE;
    std::memcpy(path, dir, dirLength);
    path[dirLength] = '\\';
    std::strcpy(path + dirLength + 1, name);
    return CheckIfFileExists(path);
}

BOOL QERNO_CALL CheckIfBaseFile(HWND hWnd, const char* name) {
    if (!name)
        return FALSE;
    char dir[kPathSize];
    GetFileDirName(name, dir);
    if (!dir[0])
        return TRUE;
    // The pairs take writable texts but only read them.
    PromptErrorIDs(hWnd, 0, const_cast<char*>(name), 0, const_cast<char*>(" : "), kNotBareNameId,
                   const_cast<char*>(""), kEndOfPairs);
    return FALSE;
}

BOOL QERNO_CALL CheckIfBaseFileInPath(HWND hWnd, const char* name, const char* dir) {
    return CheckIfBaseFile(hWnd, name) && CheckIfPathFileExists(dir, name);
}
