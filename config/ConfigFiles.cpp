// A document's configuration and database files, and the named project paths kept in the
// configuration file's "PATHINFO" section, all through the platform's profile functions.
#include "QernoConfig.h"
#include "QernoFrame.h"
#include "config/ConfigNames.h"

#include <cstring>

namespace {

constexpr char kPathSection[] = "PATHINFO";
constexpr char kDatabaseKey[] = "ADBFile";

constexpr UINT kCfgSuffixId = 11005;
constexpr UINT kDatabaseSuffixId = 11012;
constexpr UINT kMissingPathFormatId = 12058;

constexpr int kSuffixRoom = 80;             // a file-name suffix: 79 characters
constexpr DWORD kFileNameRoom = 260;        // a companion file's name: 259 characters
constexpr DWORD kPathRoom = 256;            // a project path: 255 characters
constexpr int kMissingPathFormatRoom = 256; // the missing-path text's format: 255 characters

// A name whose suffix cannot be loaded, or that would not fit, is refused: either way it would
// name some other file.
bool CompanionName(const char* document, UINT suffixId, char* result) {
    char suffix[kSuffixRoom] = "";
    if (!GetIDStringB(suffixId, suffix, sizeof suffix)) {
        if (result)
            result[0] = '\0';
        return false;
    }
    return ReplaceNameSuffix(document, suffix, result, kFileNameRoom);
}

} // namespace

int QERNO_CALL GetCfgFileName(HWND, const char* document, char* result, int mustExist) {
    if (!CompanionName(document, kCfgSuffixId, result))
        return 0;
    return mustExist ? CheckIfFileExists(result) : 1;
}

int QERNO_CALL GetMDBFileName(HWND hWnd, const char* document, char* result, int mustExist) {
    if (!GetCfgFileName(hWnd, document, result, mustExist))
        return 0;
    char database[kFileNameRoom] = "";
    GetPrivateProfileStringA(kPathSection, kDatabaseKey, "", database, sizeof database, result);
    // An explicit database name is taken on trust: only the derived one is checked.
    if (database[0] != '\0') {
        std::strcpy(result, database);
        return mustExist ? static_cast<int>(std::strlen(result)) : 1;
    }
    if (!CompanionName(document, kDatabaseSuffixId, result))
        return 0;
    return mustExist ? CheckIfFileExists(result) : 1;
}

// A stored path longer than the buffer comes back cut by the profile read; SetCfgPath never
// writes one.
int QERNO_CALL GetCfgPath(HWND hWnd, const char* file, const char* key, char* path) {
    if (!path)
        return 0;
    path[0] = '\0';
    // Without a key the platform would hand back the list of all keys as if it were a path.
    if (file && key)
        GetPrivateProfileStringA(kPathSection, key, "", path, kPathRoom, file);
    if (CheckPathExist(path))
        return 1;
    char format[kMissingPathFormatRoom] = "";
    GetIDStringB(kMissingPathFormatId, format, sizeof format);
    PromptErrorFmt(hWnd, format, file ? file : "", key ? key : "", path);
    return 0;
}

// A null key would delete the whole section, and a path longer than GetCfgPath's buffer would
// read back as another folder: both are refused with 0.
int QERNO_CALL SetCfgPath(HWND, const char* file, const char* key, const char* path) {
    if (!key || !path || std::strlen(path) >= kPathRoom)
        return 0;
    return WritePrivateProfileStringA(kPathSection, key, path, file);
}

void QERNO_CALL FlushCfgFile(const char* file) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
}
