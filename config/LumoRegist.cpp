// The product's registry key: opening a subkey, its cached counts, enumeration and error texts.
#include "QernoConfig.h"
#include "QernoLog.h"
#include "config/LumoRegistLog.h"
#include "config/RegistryValueText.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

// Hosts built against the 32-bit product hold these themselves: the layout is theirs too.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(CLumoRegist, m_bLog) == 0);
static_assert(offsetof(CLumoRegist, m_strRoot) == 4);
static_assert(offsetof(CLumoRegist, m_lLastError) == 8);
static_assert(offsetof(CLumoRegist, m_hKey) == 12);
static_assert(offsetof(CLumoRegist, m_strKeyName) == 16);
static_assert(offsetof(CLumoRegist, m_strClass) == 20);
static_assert(offsetof(CLumoRegist, m_dwClassLen) == 24);
static_assert(offsetof(CLumoRegist, m_dwSubKeys) == 28);
static_assert(offsetof(CLumoRegist, m_dwMaxSubKeyLen) == 32);
static_assert(offsetof(CLumoRegist, m_dwMaxClassLen) == 36);
static_assert(offsetof(CLumoRegist, m_dwValues) == 40);
static_assert(offsetof(CLumoRegist, m_dwMaxValueNameLen) == 44);
static_assert(offsetof(CLumoRegist, m_dwMaxValueLen) == 48);
static_assert(offsetof(CLumoRegist, m_dwSecurityLen) == 52);
static_assert(offsetof(CLumoRegist, m_ftLastWrite) == 56);
static_assert(sizeof(CLumoRegist) == 64);
#endif

namespace {

constexpr char kProductKeyPath[] = "SoftWare\\Brelvik\\Brelvik Lumo Studio\\2.1";
constexpr char kNotOpenedText[] = "The registry is not opened\n";

// Room for the open key's class name: class names are rarely set at all, a path's room is ample.
constexpr DWORD kClassNameRoom = 260;

void ForgetKeyInfo(CLumoRegist& registry) {
    registry.m_strClass = "";
    registry.m_dwClassLen = registry.m_dwSubKeys = registry.m_dwMaxSubKeyLen = 0;
    registry.m_dwMaxClassLen = registry.m_dwValues = registry.m_dwMaxValueNameLen = 0;
    registry.m_dwMaxValueLen = registry.m_dwSecurityLen = 0;
    registry.m_ftLastWrite = FILETIME();
}

bool QueryKeyInfo(CLumoRegist& registry) {
    DWORD classLength = kClassNameRoom + 1; // in: room with the terminator; out: the length
    char* className = registry.m_strClass.GetBuffer(kClassNameRoom);
    const LONG result = RegQueryInfoKeyA(registry.m_hKey, className, &classLength, nullptr,
                                         &registry.m_dwSubKeys, &registry.m_dwMaxSubKeyLen,
                                         &registry.m_dwMaxClassLen, &registry.m_dwValues,
                                         &registry.m_dwMaxValueNameLen, &registry.m_dwMaxValueLen,
                                         &registry.m_dwSecurityLen, &registry.m_ftLastWrite);
    if (result != ERROR_SUCCESS)
        classLength = 0;
    registry.m_strClass.ReleaseBuffer(static_cast<int>(classLength));
    registry.m_dwClassLen = classLength;
    return result == ERROR_SUCCESS;
}

} // namespace

CSysLog* RegistryLog(const CLumoRegist& registry) {
    return registry.m_bLog ? GetSysLog() : nullptr;
}

CLumoRegist::CLumoRegist()
    : m_bLog(TRUE), m_strRoot(kProductKeyPath), m_lLastError(ERROR_SUCCESS), m_hKey(nullptr),
      m_dwClassLen(0), m_dwSubKeys(0), m_dwMaxSubKeyLen(0), m_dwMaxClassLen(0), m_dwValues(0),
      m_dwMaxValueNameLen(0), m_dwMaxValueLen(0), m_dwSecurityLen(0), m_ftLastWrite() {}

CLumoRegist::~CLumoRegist() {
    Close();
}

int QERNO_CALL CLumoRegist::Open(const char* subkey, int create) {
    Close();
    ForgetKeyInfo(*this);

    const int rootLength = m_strRoot.GetLength();
    const int subkeyLength = subkey ? static_cast<int>(std::strlen(subkey)) : 0;
    CString path;
    char* text = path.GetBuffer(rootLength + 1 + subkeyLength); // root, backslash, subkey
    std::memcpy(text, m_strRoot, rootLength);
    if (subkey) {
        text[rootLength] = '\\';
        std::memcpy(text + rootLength + 1, subkey, subkeyLength);
    }
    path.ReleaseBuffer();

    HKEY key = nullptr;
    if (create)
        m_lLastError = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr,
                                       REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr);
    else
        m_lLastError = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key);
    if (m_lLastError != ERROR_SUCCESS) {
        if (CSysLog* log = RegistryLog(*this))
            log->SysLogSystemError(kLogCateRegistry, m_lLastError, "Cannot open: %s\n",
                                   static_cast<const char*>(path));
        return 0;
    }
    m_hKey = key;
    // A key opened for writing only may not be queried: its counts stay 0.
    if (!QueryKeyInfo(*this))
        ForgetKeyInfo(*this);
    m_strKeyName = subkey ? subkey : static_cast<const char*>(path);
    return 1;
}

int QERNO_CALL CLumoRegist::Close() {
    if (!m_hKey)
        return 1;
    m_lLastError = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    if (m_lLastError != ERROR_SUCCESS) {
        if (CSysLog* log = RegistryLog(*this))
            log->SysLogSystemError(kLogCateRegistry, m_lLastError, "Close failed: %s\n",
                                   static_cast<const char*>(m_strKeyName));
        return 0;
    }
    return 1;
}

unsigned long QERNO_CALL CLumoRegist::GetLastError() {
    return static_cast<unsigned long>(m_lLastError);
}

// A failure without an open key is one of opening it: the system's text would not say so.
unsigned long QERNO_CALL CLumoRegist::GetErrorString(char* buffer, unsigned long code,
                                                     unsigned long size) {
    if (!buffer || size == 0)
        return 0;
    if (code == 0)
        code = static_cast<unsigned long>(m_lLastError);
    if (code != 0 && !m_hKey) {
        const unsigned long length = std::min<unsigned long>(std::strlen(kNotOpenedText), size - 1);
        std::memcpy(buffer, kNotOpenedText, length);
        buffer[length] = '\0';
        return length;
    }
    return FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                          MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, size, nullptr);
}

int QERNO_CALL CLumoRegist::GetSubKeyNum(unsigned long* count, unsigned long* longestName) {
    if (!m_hKey)
        return 0;
    if (count)
        *count = m_dwSubKeys;
    if (longestName)
        *longestName = m_dwMaxSubKeyLen;
    return 1;
}

int QERNO_CALL CLumoRegist::GetValueNum(unsigned long* count, unsigned long* longestName,
                                        unsigned long* largestData) {
    if (!m_hKey)
        return 0;
    if (count)
        *count = m_dwValues;
    if (longestName)
        *longestName = m_dwMaxValueNameLen;
    if (largestData)
        *largestData = m_dwMaxValueLen;
    return 1;
}

int QERNO_CALL CLumoRegist::EnumKey(unsigned long index, char* name, unsigned long* nameSize) {
    if (!m_hKey)
        return 0;
    m_lLastError = RegEnumKeyExA(m_hKey, index, name, nameSize, nullptr, nullptr, nullptr, nullptr);
    return m_lLastError == ERROR_SUCCESS;
}

int QERNO_CALL CLumoRegist::EnumValue(unsigned long index, char* name, unsigned long* nameSize,
                                      unsigned long* type, unsigned char* data,
                                      unsigned long* dataSize) {
    if (!m_hKey)
        return 0;
    m_lLastError = RegEnumValueA(m_hKey, index, name, nameSize, nullptr, type, data, dataSize);
    return m_lLastError == ERROR_SUCCESS;
}

int QERNO_CALL CLumoRegist::GetValueName(unsigned long index, char* name, unsigned long* nameSize) {
    return EnumValue(index, name, nameSize, nullptr, nullptr, nullptr);
}

int QERNO_CALL CLumoRegist::ConvertKeyValueData(unsigned long type, const char* data,
                                                unsigned long dataSize, char* out,
                                                unsigned long outSize) {
    return ConvertKeyValueDataText(type, data, dataSize, out, outSize);
}
