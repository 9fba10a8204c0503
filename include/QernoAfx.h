// The framework types that appear in the library's exported classes.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
class CWnd;

// A heap-held single-byte text; an empty string holds no allocation.
class QERNO_API CString {
public:
    CString() = default;
    CString(const char* text);
    CString(const CString& other);
    ~CString();
    CString& operator=(const char* text);
    CString& operator=(const CString& other);

    int GetLength() const;
    bool IsEmpty() const { return GetLength() == 0; }
    operator const char*() const;
    int CompareNoCase(const char* text) const;

    // Room for minLength characters and a terminator, to be filled by a system call; the
    // text ends at the first NUL (or at newLength) after ReleaseBuffer.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    char* m_pchData = nullptr;
};
#endif
