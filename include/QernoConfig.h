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

    // Locks the block into m_pData; 1 when m_pData holds an address.
    int Lock();
    // Undoes Lock and clears m_pData; nothing when not locked.
    void Unlock();
    // Frees the block (a locked address is left as it was); the object, for chaining.
    CGlobalBlock& Free();

    // The block, null when none is held.
    HGLOBAL m_hGlobal = nullptr;
    // The address the block is locked at, null when unlocked.
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

    // Closes the key open before and opens subkey (null: the product key itself) for reading,
    // or creates it for writing when create is set; 1 on success. Caches its counts.
    int QERNO_CALL Open(const char* subkey, int create);
    // 1 when no key is open or it closed cleanly.
    int QERNO_CALL Close();
    // The system error code of the last registry call.
    unsigned long QERNO_CALL GetLastError();
    // The system's text for code (0: the last error) in size bytes, its length the result.
    unsigned long QERNO_CALL GetErrorString(char* buffer, unsigned long code, unsigned long size);

    // The open key's subkey count and longest subkey name, as cached at Open.
    int QERNO_CALL GetSubKeyNum(unsigned long* count, unsigned long* longestName);
    // Its value count, longest value name and largest value data, as cached at Open.
    int QERNO_CALL GetValueNum(unsigned long* count, unsigned long* longestName,
                               unsigned long* largestData);
    // The name of the subkey at index; nameSize holds the room in and the length out.
    int QERNO_CALL EnumKey(unsigned long index, char* name, unsigned long* nameSize);
    // The value at index: name, type and data, each output optional but for the name.
    int QERNO_CALL EnumValue(unsigned long index, char* name, unsigned long* nameSize,
                             unsigned long* type, unsigned char* data, unsigned long* dataSize);
    // EnumValue for the name alone.
    int QERNO_CALL GetValueName(unsigned long index, char* name, unsigned long* nameSize);

    // Whether the value at index is a text (plain or expandable).
    int QERNO_CALL IsValueString(unsigned long index);
    // Whether it is binary data.
    int QERNO_CALL IsValueBinary(unsigned long index);
    // Whether it is a 32-bit number, either byte order.
    int QERNO_CALL IsValueDWord(unsigned long index);
    // The same tests by a value's name.
    int QERNO_CALL IsValueString(const char* name);
    // The binary test by name.
    int QERNO_CALL IsValueBinary(const char* name);
    // The 32-bit number test by name.
    int QERNO_CALL IsValueDWord(const char* name);

    // The index and type of a value by name, case-insensitive; null names the default value.
    // Values added since Open are not found.
    int QERNO_CALL GetIndexByName(const char* name, unsigned long* index, unsigned long* type);
    // Any value's type and data by name; dataSize holds the room in and the size out.
    int QERNO_CALL GetValueDataByName(const char* name, unsigned long* type, char* data,
                                      unsigned long* dataSize);
    // A text value, always terminated within size bytes; 0 for a value of another type.
    int QERNO_CALL GetStringByName(const char* name, char* buffer, unsigned long* size);
    // A binary value in size bytes; 0 for a value of another type.
    int QERNO_CALL GetBinaryByName(const char* name, unsigned char* data, unsigned long* size);
    // A 32-bit number as stored; 0 for a value of another type.
    int QERNO_CALL GetDWordByName(const char* name, unsigned long* value);
    // Writes a text value (null writes an empty one); the writes need a key opened with create.
    int QERNO_CALL SetStringByName(const char* name, const char* text);
    // Writes size bytes as a binary value.
    int QERNO_CALL SetBinaryByName(const char* name, unsigned char* data, unsigned long size);
    // Writes a 32-bit number value.
    int QERNO_CALL SetDWordByName(const char* name, unsigned long value);

    // A value's data of a type as one line of text for listings, cut to outSize bytes.
    int QERNO_CALL ConvertKeyValueData(unsigned long type, const char* data, unsigned long dataSize,
                                       char* out, unsigned long outSize);

    // Whether failures and writes go to the system log; set by default.
    BOOL m_bLog;
    // The product key's path under HKEY_LOCAL_MACHINE.
    CString m_strRoot;
    // What GetLastError gives.
    LONG m_lLastError;
    // The open subkey, null when none.
    HKEY m_hKey;
    // The open subkey's name, for the log.
    CString m_strKeyName;
    // The open key's class name and, below, its figures as RegQueryInfoKey gave them at Open.
    CString m_strClass;
    // The class name's length.
    DWORD m_dwClassLen;
    // The number of subkeys.
    DWORD m_dwSubKeys;
    // The longest subkey name.
    DWORD m_dwMaxSubKeyLen;
    // The longest subkey class name.
    DWORD m_dwMaxClassLen;
    // The number of values.
    DWORD m_dwValues;
    // The longest value name.
    DWORD m_dwMaxValueNameLen;
    // The largest value data, in bytes.
    DWORD m_dwMaxValueLen;
    // The size of the key's security descriptor.
    DWORD m_dwSecurityLen;
    // When the key was last written.
    FILETIME m_ftLastWrite;
};

// Reads text value name of the product key's "Paths" subkey into size bytes; 1 when read.
QERNO_API int QERNO_CALL GetLumoPathString(const char* name, char* buffer, unsigned long size);
#endif

// --- File utilities ---
// A null path or output is refused: nothing is written, and a result is FALSE or 0.

#if defined(_WIN32)
// Whether the file exists; a name of 128 characters or more counts as missing.
QERNO_API BOOL QERNO_CALL CheckIfFileExists(const char* name);
// Whether a file or directory of that path exists.
QERNO_API BOOL QERNO_CALL CheckPathExist(const char* path);
#endif

// Path names are ANSI with backslash separators. An out buffer holds 260 bytes; longer
// results are cut there.
// The drive number of the path's first character, 1 for A, unchecked.
QERNO_API int QERNO_CALL GetDrive(const char* path);
// The name and extension after the last separator; FALSE when that is empty.
QERNO_API BOOL QERNO_CALL GetBaseFileName(const char* path, char* out);
// The drive and directory, without a trailing backslash; empty for a bare name.
QERNO_API void QERNO_CALL GetFileDirName(const char* path, char* out);
// name appended to dir, with a backslash between them unless dir is empty or ends in one.
QERNO_API void QERNO_CALL GetFullFileName(const char* dir, const char* name, char* out);

#if defined(_WIN32)
// The extension strings, dot included, are strings of the resource module; after the name is
// cut at its last dot, up to 80 bytes of the extension are appended.
// In place; 1 when the extension string exists. A name without a dot just gets it appended.
QERNO_API int QERNO_CALL ChangeFileExtName(char* name, UINT extensionId);
// Into dest, after copying source there (dest may be source).
QERNO_API int QERNO_CALL ChangeFileExtName(char* dest, const char* source, UINT extensionId);

// Whether name exists in dir; a joined path of 260 characters or more counts as missing.
QERNO_API BOOL QERNO_CALL CheckIfPathFileExists(const char* dir, const char* name);
// TRUE for a name without drive or directory; otherwise tells the user so and gives FALSE.
QERNO_API BOOL QERNO_CALL CheckIfBaseFile(HWND hWnd, const char* name);
// TRUE for a bare name, as CheckIfBaseFile checks it, that exists in dir.
QERNO_API BOOL QERNO_CALL CheckIfBaseFileInPath(HWND hWnd, const char* name, const char* dir);

// On failure these prompt with message, or with their own text when message is null.
// Opens an existing file for reading, or with mode 2 for reading and writing too; on failure
// INVALID_HANDLE_VALUE, and with a window the system's error and the name are shown.
QERNO_API HANDLE QERNO_CALL MyOpenFile(const char* name, int mode, HWND hWnd);
// Closes the file; FALSE on failure.
QERNO_API BOOL QERNO_CALL MyClose(HANDLE hFile, HWND hWnd, const char* message);
// Moves the file pointer by distance from method's origin (FILE_BEGIN, FILE_CURRENT or
// FILE_END); the new position, INVALID_SET_FILE_POINTER on failure.
QERNO_API DWORD QERNO_CALL MySeek(HANDLE hFile, long distance, int method, HWND hWnd,
                                  const char* message);
// Moves the file pointer to position from the start; TRUE when it got there.
QERNO_API BOOL QERNO_CALL MySeekPos(HANDLE hFile, long position, HWND hWnd, const char* message);
// Reads up to count bytes; the number read, which is short at the end of the file unprompted.
QERNO_API DWORD QERNO_CALL _MyHRead(HANDLE hFile, char* buffer, DWORD count, HWND hWnd,
                                    const char* message);
// Reads exactly count bytes; a short read fails and prompts too.
QERNO_API BOOL QERNO_CALL MyHRead(HANDLE hFile, char* buffer, DWORD count, HWND hWnd,
                                  const char* message);
// Writes exactly count bytes; a short write fails and prompts too.
QERNO_API BOOL QERNO_CALL MyHWrite(HANDLE hFile, const char* buffer, DWORD count, HWND hWnd,
                                   const char* message);

// Free bytes on the drive of a path with a drive letter, at most 2147483647; 0 on failure.
QERNO_API long QERNO_CALL GetFreeDiskSpace(const char* path);
#endif

// --- Configuration files and paths ---

#if defined(_WIN32)
// A document's companion files are named after it: its name with the suffix of the
// configuration file or of the database file. Result buffers hold 260 bytes.
// The configuration file's name; 0 when it cannot be made, or with mustExist when it is missing.
QERNO_API int QERNO_CALL GetCfgFileName(HWND hWnd, const char* document, char* result,
                                        int mustExist);
// The configuration file's "ADBFile" entry when set (its length is the result with mustExist),
// otherwise the name derived from the document.
QERNO_API int QERNO_CALL GetMDBFileName(HWND hWnd, const char* document, char* result,
                                        int mustExist);
// Named project paths of the configuration file; path holds 256 bytes. A path that does not
// exist is shown to the user and gives 0, still read into path.
// Reads key's path; 1 when it exists.
QERNO_API int QERNO_CALL GetCfgPath(HWND hWnd, const char* file, const char* key, char* path);
// Writes key's path, at most 255 characters; non-zero when written, 0 for a null key or path.
QERNO_API int QERNO_CALL SetCfgPath(HWND hWnd, const char* file, const char* key, const char* path);
// Writes the platform's cached copy of the file to disk.
QERNO_API void QERNO_CALL FlushCfgFile(const char* file);
#endif

// --- Media file types and directory lists ---

// A file name's media type by its extension: 0 unknown, 2 text, 3 picture, 4 video, 5 movie,
// 6 sound, 7 metafile, 8 cursor, 9 palette. The Check...FileType functions give the sub-type
// within one media type, 0 when the name is not of it.
#if defined(_WIN32)
// Whether the name's extension is string id of the resource module, in any case of ASCII letters.
QERNO_API BOOL QERNO_CALL CheckFileType(const char* name, UINT id);
// Whether the name has the product's document extension (".lmo").
QERNO_API BOOL QERNO_CALL CheckLumoFileType(const char* name);
// The media type.
QERNO_API int QERNO_CALL GetFileNameType(const char* name);
// Pictures: 1 ".bmp" and ".dib", 2 ".pcx", 3 ".gif", 4 ".jpg", 5 ".tif", 6 ".tga", 7 ".pcd",
// 8 ".png", 9 ".psd".
QERNO_API WORD QERNO_CALL CheckPicFileType(const char* name);
// Texts: 1 ".txt", 2 ".rtf", 3 ".wri", 4 ".htm".
QERNO_API WORD QERNO_CALL CheckTextFileType(const char* name);
// Movies: 1 ".flc" and ".fli", 3 ".mmm".
QERNO_API WORD QERNO_CALL CheckMovieFileType(const char* name);
// Videos: 1 ".avi", 2 ".mpg" and ".mpeg", 3 ".mov".
QERNO_API WORD QERNO_CALL CheckVideoFileType(const char* name);
// Sounds: 1 ".wav", 2 ".mid", 3 the whole name "CDAUDIO".
QERNO_API WORD QERNO_CALL CheckSoundFileType(const char* name);
// Metafiles: 1 ".wmf", 2 ".emf".
QERNO_API WORD QERNO_CALL CheckWmfFileType(const char* name);
// Palettes: 1 ".pal".
QERNO_API WORD QERNO_CALL CheckPalFileType(const char* name);
// Cursors: 1 ".cur".
QERNO_API WORD QERNO_CALL CheckCurFileType(const char* name);
// Icons: 1 ".ico"; icons are no media type of their own.
QERNO_API WORD QERNO_CALL CheckIconFileType(const char* name);

// The MCI device type that plays a sub-type, copied into out when out is not null; the
// result is its length.
// Movies: "Animation1" for 1, "MMMovie" for 3, else empty.
QERNO_API int QERNO_CALL GetMovieTypeString(int subType, char* out);
// Videos: "AVIVideo" for 1, "MpegVideo" for 2 and "QTWVideo" for 3 when their drivers are
// installed, else "ActiveMovie".
QERNO_API int QERNO_CALL GetVideoTypeString(int subType, char* out);
// Sounds: "Waveaudio" for 1, "Sequencer" for 2, "Cdaudio" for 3, else empty.
QERNO_API int QERNO_CALL GetSoundTypeString(int subType, char* out);
#endif

// Whether a name the user typed may become a file name; a full path with a drive is accepted.
QERNO_API BOOL QERNO_CALL CheckFileNameLegal(const char* name);
// The filter string id of a media type's picker.
QERNO_API WORD QERNO_CALL GetMediaTypeIDs(int mediaType);

#if defined(_WIN32)
// The media pickers: a combo box of filter descriptions (each item's data is its field
// number) and a list box of a directory's files matching the chosen description.
// Refills the combo box with the descriptions of filter string filterId and selects the first.
QERNO_API void QERNO_CALL LoadMediaFilterDesCombBox(HWND comboBox, WORD filterId);
// The ';'-separated patterns of the description whose field number is description; their length.
// out, when not null, needs room for 500 bytes.
QERNO_API int QERNO_CALL GetMediaFilterTypeString(WORD filterId, int description, char* out);
// Refills the list box with the directory's files matching any of the ';'-separated patterns.
QERNO_API void QERNO_CALL LoadMediaDirList(HWND listBox, const char* directory,
                                           const char* patterns);
// Lists the files of the combo box's chosen description, and shows its patterns in label if any.
QERNO_API void QERNO_CALL LoadCtlMediaDirListNameWnd(HWND listBox, HWND comboBox, HWND label,
                                                     const char* directory, WORD filterId);
// The same with a dialog's controls by id.
QERNO_API void QERNO_CALL LoadDlgMediaDirListNameWnd(HWND dialog, int listId, int comboId,
                                                     int labelId, const char* directory,
                                                     WORD filterId);
#endif
