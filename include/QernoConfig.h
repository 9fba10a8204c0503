// Configuration, registry and files.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
// A movable global memory block with the address it is locked at; it owns the block.
class QERNO_API CGlobalBlock {
public:
    CGlobalBlock() = default;
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;
    ~CGlobalBlock();

    int Lock();
    void Unlock();
    CGlobalBlock& Free();

    HGLOBAL m_hGlobal = nullptr;
    void* m_pData = nullptr;
};
#endif

#if defined(_WIN32)
#include "QernoAfx.h"

// The product's registry key under HKEY_LOCAL_MACHINE, one subkey open at a time.
class QERNO_API CLumoRegist {
public:
    CLumoRegist();
    ~CLumoRegist();
    CLumoRegist(const CLumoRegist&) = delete;
    CLumoRegist& operator=(const CLumoRegist&) = delete;

    int QERNO_CALL Open(const char* subkey, int create);
    int QERNO_CALL Close();
    unsigned long QERNO_CALL GetLastError();
    unsigned long QERNO_CALL GetErrorString(char* buffer, unsigned long code, unsigned long size);

    int QERNO_CALL GetSubKeyNum(unsigned long* count, unsigned long* longestName);
    int QERNO_CALL GetValueNum(unsigned long* count, unsigned long* longestName,
                               unsigned long* largestData);
    int QERNO_CALL EnumKey(unsigned long index, char* name, unsigned long* nameSize);
    int QERNO_CALL EnumValue(unsigned long index, char* name, unsigned long* nameSize,
                             unsigned long* type, unsigned char* data, unsigned long* dataSize);
    int QERNO_CALL GetValueName(unsigned long index, char* name, unsigned long* nameSize);

    int QERNO_CALL IsValueString(unsigned long index);
    int QERNO_CALL IsValueBinary(unsigned long index);
    int QERNO_CALL IsValueDWord(unsigned long index);
    int QERNO_CALL IsValueString(const char* name);
    int QERNO_CALL IsValueBinary(const char* name);
    int QERNO_CALL IsValueDWord(const char* name);

    int QERNO_CALL GetIndexByName(const char* name, unsigned long* index, unsigned long* type);
    int QERNO_CALL GetValueDataByName(const char* name, unsigned long* type, char* data,
                                      unsigned long* dataSize);
    int QERNO_CALL GetStringByName(const char* name, char* buffer, unsigned long* size);
    int QERNO_CALL GetBinaryByName(const char* name, unsigned char* data, unsigned long* size);
    int QERNO_CALL GetDWordByName(const char* name, unsigned long* value);
    int QERNO_CALL SetStringByName(const char* name, const char* text);
    int QERNO_CALL SetBinaryByName(const char* name, unsigned char* data, unsigned long size);
    int QERNO_CALL SetDWordByName(const char* name, unsigned long value);

    int QERNO_CALL ConvertKeyValueData(unsigned long type, const char* data,
                                       unsigned long dataSize, char* out, unsigned long outSize);

    BOOL m_bLog;
    CString m_strRoot;
    LONG m_lLastError;
    HKEY m_hKey;
    CString m_strKeyName;
    CString m_strClass;
    DWORD m_dwClassLen;
    DWORD m_dwSubKeys;
    DWORD m_dwMaxSubKeyLen;
    DWORD m_dwMaxClassLen;
    DWORD m_dwValues;
    DWORD m_dwMaxValueNameLen;
    DWORD m_dwMaxValueLen;
    DWORD m_dwSecurityLen;
    FILETIME m_ftLastWrite;
};

QERNO_API int QERNO_CALL GetLumoPathString(const char* name, char* buffer, unsigned long size);
#endif

// --- File utilities ---

// --- Configuration files and paths ---

// --- Media file types and directory lists ---
