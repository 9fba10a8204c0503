#include "QernoAfx.h"

#include <cstdlib>
#include <cstring>

// Hosts built against the 32-bit product hold these themselves: the layout is theirs too.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(CString) == 4, "the text's address alone");
#endif

namespace {

char* CopyText(const char* text) {
    if (!text || !*text)
        return nullptr;
    const size_t size = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy)
        std::memcpy(copy, text, size);
    return copy;
}

} // namespace

CString::CString(const char* text) : m_pchData(CopyText(text)) {}

CString::CString(const CString& other) : m_pchData(CopyText(other.m_pchData)) {}

CString::~CString() {
    std::free(m_pchData);
}

CString& CString::operator=(const char* text) {
    if (text != m_pchData) {
        char* copy = CopyText(text);
        std::free(m_pchData);
        m_pchData = copy;
    }
    return *this;
}

CString& CString::operator=(const CString& other) {
    return *this = other.m_pchData;
}

int CString::GetLength() const {
    return m_pchData ? static_cast<int>(std::strlen(m_pchData)) : 0;
}

CString::operator const char*() const {
    return m_pchData ? m_pchData : "";
}

int CString::CompareNoCase(const char* text) const {
    return lstrcmpiA(*this, text ? text : "");
}

char* CString::GetBuffer(int minLength) {
    const size_t size = static_cast<size_t>(minLength < 0 ? 0 : minLength) + 1;
    char* buffer = static_cast<char*>(std::calloc(size, 1));
    if (!buffer)
        return nullptr;
    if (m_pchData)
        std::strncpy(buffer, m_pchData, size - 1);
    std::free(m_pchData);
    m_pchData = buffer;
    return buffer;
}

void CString::ReleaseBuffer(int newLength) {
    if (!m_pchData)
        return;
    if (newLength >= 0)
        m_pchData[newLength] = '\0';
    if (!*m_pchData) {
        std::free(m_pchData);
        m_pchData = nullptr;
    }
}
