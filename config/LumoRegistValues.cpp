// The values of the open key by name: lookup, type tests, typed reads and writes, and the
// named paths under "Paths".
#include "QernoConfig.h"
#include "config/LumoRegistLog.h"

#include <cstring>

namespace {

// Room for a value name while searching, terminator included; a longer name is never found.
constexpr DWORD kValueNameRoom = 260;

bool IsStringType(unsigned long type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

bool IsBinaryType(unsigned long type) {
    return type == REG_BINARY;
}

bool IsDWordType(unsigned long type) {
    return type == REG_DWORD || type == REG_DWORD_BIG_ENDIAN;
}

// Only the type is wanted, so a name reported as cut short (ERROR_INSUFFICIENT_BUFFER) does
// not fail the test.
bool TypeAt(CLumoRegist& registry, unsigned long index, unsigned long& type) {
    if (!registry.m_hKey)
        return false;
    char name[kValueNameRoom]; // the name is not used, only its room matters
    DWORD nameSize = sizeof name;
    registry.m_lLastError =
        RegEnumValueA(registry.m_hKey, index, name, &nameSize, nullptr, &type, nullptr, nullptr);
    return registry.m_lLastError == ERROR_SUCCESS ||
           registry.m_lLastError == ERROR_INSUFFICIENT_BUFFER;
}

// Reads the value found at index into the caller's buffer, never beyond dataSize bytes.
int ReadFoundValue(CLumoRegist& registry, const char* name, unsigned long index,
                   unsigned char* data, unsigned long* dataSize) {
    char foundName[kValueNameRoom]; // the name of the value at index, found with this room
    DWORD foundNameSize = sizeof foundName;
    registry.m_lLastError = RegEnumValueA(registry.m_hKey, index, foundName, &foundNameSize,
                                          nullptr, nullptr, data, dataSize);
    if (registry.m_lLastError == ERROR_SUCCESS)
        return 1;
    if (CSysLog* log = RegistryLog(registry))
        log->SysLogSystemError(kLogCateRegistry, registry.m_lLastError,
                               "EnumValue failed: %s\\%s\n",
                               static_cast<const char*>(registry.m_strKeyName), name);
    return 0;
}

// The write's result, logged with the operation's own message.
template <typename... Args>
int ReportWrite(CLumoRegist& registry, const char* doneFormat, const char* failedFormat,
                Args... args) {
    const bool written = registry.m_lLastError == ERROR_SUCCESS;
    if (CSysLog* log = RegistryLog(registry)) {
        if (written)
            log->SysLogInfo(kLogCateRegistry, doneFormat, args...);
        else
            log->SysLogSystemError(kLogCateRegistry, registry.m_lLastError, failedFormat, args...);
    }
    return written ? 1 : 0;
}

} // namespace

int QERNO_CALL CLumoRegist::IsValueString(unsigned long index) {
    unsigned long type = REG_NONE;
    return TypeAt(*this, index, type) && IsStringType(type);
}

int QERNO_CALL CLumoRegist::IsValueBinary(unsigned long index) {
    unsigned long type = REG_NONE;
    return TypeAt(*this, index, type) && IsBinaryType(type);
}

int QERNO_CALL CLumoRegist::IsValueDWord(unsigned long index) {
    unsigned long type = REG_NONE;
    return TypeAt(*this, index, type) && IsDWordType(type);
}

int QERNO_CALL CLumoRegist::IsValueString(const char* name) {
    unsigned long index = 0, type = REG_NONE;
    return GetIndexByName(name, &index, &type) && IsStringType(type);
}

int QERNO_CALL CLumoRegist::IsValueBinary(const char* name) {
    unsigned long index = 0, type = REG_NONE;
    return GetIndexByName(name, &index, &type) && IsBinaryType(type);
}

int QERNO_CALL CLumoRegist::IsValueDWord(const char* name) {
    unsigned long index = 0, type = REG_NONE;
    return GetIndexByName(name, &index, &type) && IsDWordType(type);
}

// Searches in enumeration order up to the count cached at Open: the first match wins, and a
// value added since then is not seen.
int QERNO_CALL CLumoRegist::GetIndexByName(const char* name, unsigned long* index,
                                           unsigned long* type) {
    if (!m_hKey || !index)
        return 0;
    if (!name)
        name = ""; // the key's default value
    for (DWORD i = 0; i < m_dwValues; ++i) {
        char entryName[kValueNameRoom]; // room for the names that can match
        DWORD entryNameSize = sizeof entryName;
        DWORD entryType = REG_NONE;
        m_lLastError = RegEnumValueA(m_hKey, i, entryName, &entryNameSize, nullptr, &entryType,
                                     nullptr, nullptr);
        if (m_lLastError != ERROR_SUCCESS && m_lLastError != ERROR_INSUFFICIENT_BUFFER &&
            m_lLastError != ERROR_MORE_DATA) {
            if (CSysLog* log = RegistryLog(*this))
                log->SysLogSystemError(kLogCateRegistry, m_lLastError,
                                       "RegEnumValue Failed: %s\\%s\n",
                                       static_cast<const char*>(m_strKeyName), name);
            return 0;
        }
        // A name cut to the room is not the whole name and must not match.
        if (m_lLastError != ERROR_SUCCESS || lstrcmpiA(entryName, name) != 0)
            continue;
        if (CSysLog* log = RegistryLog(*this))
            log->SysLogInfo(kLogCateRegistry, "Found: %s\\%s\n",
                            static_cast<const char*>(m_strKeyName), name);
        *index = i;
        if (type)
            *type = entryType;
        return 1;
    }
    if (CSysLog* log = RegistryLog(*this))
        log->SysLogError(kLogCateRegistry, "Name not found: %s\\%s\n",
                         static_cast<const char*>(m_strKeyName), name);
    return 0;
}

int QERNO_CALL CLumoRegist::GetValueDataByName(const char* name, unsigned long* type, char* data,
                                               unsigned long* dataSize) {
    unsigned long index = 0;
    if (!GetIndexByName(name, &index, type))
        return 0;
    return ReadFoundValue(*this, name, index, reinterpret_cast<unsigned char*>(data), dataSize);
}

// Texts are stored without their terminator and Windows hands them back as stored, so the
// terminator is added here: after the text when there is room, else in place of its last byte.
int QERNO_CALL CLumoRegist::GetStringByName(const char* name, char* buffer, unsigned long* size) {
    unsigned long index = 0, type = REG_NONE;
    if (!GetIndexByName(name, &index, &type) || !IsStringType(type))
        return 0;
    const unsigned long room = *size;
    if (!ReadFoundValue(*this, name, index, reinterpret_cast<unsigned char*>(buffer), size))
        return 0;
    if (*size < room)
        buffer[*size] = '\0';
    else if (room > 0)
        buffer[room - 1] = '\0';
    return 1;
}

int QERNO_CALL CLumoRegist::GetBinaryByName(const char* name, unsigned char* data,
                                            unsigned long* size) {
    unsigned long index = 0, type = REG_NONE;
    if (!GetIndexByName(name, &index, &type) || !IsBinaryType(type))
        return 0;
    return ReadFoundValue(*this, name, index, data, size);
}

// The value is taken as stored, also for the big-endian type.
int QERNO_CALL CLumoRegist::GetDWordByName(const char* name, unsigned long* value) {
    unsigned long index = 0, type = REG_NONE;
    if (!GetIndexByName(name, &index, &type) || !IsDWordType(type))
        return 0;
    unsigned long size = sizeof(DWORD);
    return ReadFoundValue(*this, name, index, reinterpret_cast<unsigned char*>(value), &size);
}

// The text is stored without its terminator: an empty text is a value of size 0.
int QERNO_CALL CLumoRegist::SetStringByName(const char* name, const char* text) {
    if (!m_hKey)
        return 0;
    if (!text)
        text = "";
    m_lLastError = RegSetValueExA(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                  static_cast<DWORD>(std::strlen(text)));
    return ReportWrite(*this, "SetString to %s: %s\\%s\n", "Cannot setString to %s: %s\\%s\n", text,
                       static_cast<const char*>(m_strKeyName), name);
}

int QERNO_CALL CLumoRegist::SetBinaryByName(const char* name, unsigned char* data,
                                            unsigned long size) {
    if (!m_hKey)
        return 0;
    m_lLastError = RegSetValueExA(m_hKey, name, 0, REG_BINARY, data, size);
    return ReportWrite(*this, "Set binarydata (%d bytes): %s\\%s\n",
                       "Cannot set binarydata (%d bytes): %s\\%s\n", static_cast<int>(size),
                       static_cast<const char*>(m_strKeyName), name);
}

int QERNO_CALL CLumoRegist::SetDWordByName(const char* name, unsigned long value) {
    if (!m_hKey)
        return 0;
    const DWORD stored = value;
    m_lLastError = RegSetValueExA(m_hKey, name, 0, REG_DWORD,
                                  reinterpret_cast<const BYTE*>(&stored), sizeof stored);
    return ReportWrite(*this, "Set data to %08X: %s\\%s\n", "Cannot set data to %08X: %s\\%s\n",
                       static_cast<unsigned int>(value), static_cast<const char*>(m_strKeyName),
                       name);
}

// The key is closed when the wrapper goes out of scope.
int QERNO_CALL GetLumoPathString(const char* name, char* buffer, unsigned long size) {
    if (!buffer)
        return 0;
    CLumoRegist registry;
    if (!registry.Open("Paths", FALSE))
        return 0;
    return registry.GetStringByName(name, buffer, &size);
}
