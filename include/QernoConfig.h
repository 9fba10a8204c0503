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

    int QERNO_CALL ConvertKeyValueData(unsigned long type, const char* data, unsigned long dataSize,
                                       char* out, unsigned long outSize);

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

#if defined(_WIN32)
QERNO_API BOOL QERNO_CALL CheckIfFileExists(const char* name);
QERNO_API BOOL QERNO_CALL CheckPathExist(const char* path);
#endif

// Path names are ANSI with backslash separators. An out buffer holds 260 bytes; longer
// results are cut there.
QERNO_API int QERNO_CALL GetDrive(const char* path);
QERNO_API BOOL QERNO_CALL GetBaseFileName(const char* path, char* out);
QERNO_API void QERNO_CALL GetFileDirName(const char* path, char* out);
QERNO_API void QERNO_CALL GetFullFileName(const char* dir, const char* name, char* out);

#if defined(_WIN32)
// The extension strings, dot included, are strings of the resource module; after the name is
// cut at its last dot, up to 80 bytes of the extension are appended.
QERNO_API int QERNO_CALL ChangeFileExtName(char* name, UINT extensionId);
QERNO_API int QERNO_CALL ChangeFileExtName(char* dest, const char* source, UINT extensionId);

QERNO_API BOOL QERNO_CALL CheckIfPathFileExists(const char* dir, const char* name);
QERNO_API BOOL QERNO_CALL CheckIfBaseFile(HWND hWnd, const char* name);
QERNO_API BOOL QERNO_CALL CheckIfBaseFileInPath(HWND hWnd, const char* name, const char* dir);

// On failure these prompt with message, or with their own text when message is null.
QERNO_API HANDLE QERNO_CALL MyOpenFile(const char* name, int mode, HWND hWnd);
QERNO_API BOOL QERNO_CALL MyClose(HANDLE hFile, HWND hWnd, const char* message);
QERNO_API DWORD QERNO_CALL MySeek(HANDLE hFile, long distance, int method, HWND hWnd,
                                  const char* message);
QERNO_API BOOL QERNO_CALL MySeekPos(HANDLE hFile, long position, HWND hWnd, const char* message);
QERNO_API DWORD QERNO_CALL _MyHRead(HANDLE hFile, char* buffer, DWORD count, HWND hWnd,
                                    const char* message);
QERNO_API BOOL QERNO_CALL MyHRead(HANDLE hFile, char* buffer, DWORD count, HWND hWnd,
                                  const char* message);
QERNO_API BOOL QERNO_CALL MyHWrite(HANDLE hFile, const char* buffer, DWORD count, HWND hWnd,
                                   const char* message);

QERNO_API long QERNO_CALL GetFreeDiskSpace(const char* path);
#endif

// --- Configuration files and paths ---

#if defined(_WIN32)
// A document's companion files are named after it: its name with the suffix of the
// configuration file or of the database file. Result buffers hold 260 bytes.
QERNO_API int QERNO_CALL GetCfgFileName(HWND hWnd, const char* document, char* result,
                                        int mustExist);
// The configuration file's "ADBFile" entry when set (its length is the result with mustExist),
// otherwise the name derived from the document.
QERNO_API int QERNO_CALL GetMDBFileName(HWND hWnd, const char* document, char* result,
                                        int mustExist);
// Named project paths of the configuration file; path holds 256 bytes. A path that does not
// exist is shown to the user and gives 0, still read into path.
QERNO_API int QERNO_CALL GetCfgPath(HWND hWnd, const char* file, const char* key, char* path);
QERNO_API int QERNO_CALL SetCfgPath(HWND hWnd, const char* file, const char* key, const char* path);
// Writes the platform's cached copy of the file to disk.
QERNO_API void QERNO_CALL FlushCfgFile(const char* file);
#endif

// --- Media file types and directory lists ---

// A file name's media type by its extension: 0 unknown, 2 text, 3 picture, 4 video, 5 movie,
// 6 sound, 7 metafile, 8 cursor, 9 palette. The Check...FileType functions give the sub-type
// within one media type, 0 when the name is not of it.
#if defined(_WIN32)
QERNO_API BOOL QERNO_CALL CheckFileType(const char* name, UINT id);
QERNO_API BOOL QERNO_CALL CheckLumoFileType(const char* name);
QERNO_API int QERNO_CALL GetFileNameType(const char* name);
QERNO_API WORD QERNO_CALL CheckPicFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckTextFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckMovieFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckVideoFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckSoundFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckWmfFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckPalFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckCurFileType(const char* name);
QERNO_API WORD QERNO_CALL CheckIconFileType(const char* name);

// The MCI device type that plays a sub-type, copied into out when out is not null; the
// result is its length.
QERNO_API int QERNO_CALL GetMovieTypeString(int subType, char* out);
QERNO_API int QERNO_CALL GetVideoTypeString(int subType, char* out);
QERNO_API int QERNO_CALL GetSoundTypeString(int subType, char* out);
#endif

// Whether a name the user typed may become a file name; a full path with a drive is accepted.
QERNO_API BOOL QERNO_CALL CheckFileNameLegal(const char* name);
// The filter string id of a media type's picker.
QERNO_API WORD QERNO_CALL GetMediaTypeIDs(int mediaType);

#if defined(_WIN32)
// The media pickers: a combo box of filter descriptions (each item's data is its field
// number) and a list box of a directory's files matching the chosen description.
QERNO_API void QERNO_CALL LoadMediaFilterDesCombBox(HWND comboBox, WORD filterId);
// out, when not null, needs room for 500 bytes.
QERNO_API int QERNO_CALL GetMediaFilterTypeString(WORD filterId, int description, char* out);
QERNO_API void QERNO_CALL LoadMediaDirList(HWND listBox, const char* directory,
                                           const char* patterns);
QERNO_API void QERNO_CALL LoadCtlMediaDirListNameWnd(HWND listBox, HWND comboBox, HWND label,
                                                     const char* directory, WORD filterId);
QERNO_API void QERNO_CALL LoadDlgMediaDirListNameWnd(HWND dialog, int listId, int comboId,
                                                     int labelId, const char* directory,
                                                     WORD filterId);
#endif
