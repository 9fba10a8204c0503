// The system log: one CSysLog, its options, its log file and its message window.
#pragma once

#include "QernoAfx.h"

#if defined(_WIN32)
#include <cstdarg>

class CLogMsgWnd;

// Levels (one bit each) and the categories of the library's own records. A host logs under
// category 1, whose records are named "Application"; 2 ("Document"), 0x100000 ("Editor") and
// 0x200000 ("Player") are the host's too. All four pass the default category mask, so their
// records reach the window as well as the file. The categories below name the library's parts:
// a host's record under one of them would read as the library's.
enum : unsigned int {
    kLogFatal = 1,
    kLogError = 2,
    kLogWarning = 4,
    kLogInfo = 8,
    kLogCateFrame = 0x10000,
    kLogCatePromptArgs = 0x20000,
    kLogCateMedia = 0x40000,
    kLogCateWaveOut = 0x80000,
    kLogCateRegistry = 0x400000,
};

// The system log: records go to the log file and, when the level and category masks let them,
// to the message window. Its settings are read from the registry at start-up.
class QERNO_API CSysLog {
public:
    CSysLog();
    ~CSysLog();
    CSysLog(const CSysLog&) = delete;
    CSysLog& operator=(const CSysLog&) = delete;

    // Writes one record of text, stamped with the names of its level and category; always 0.
    int QERNO_CALL SysLogString(unsigned int level, unsigned int cate, const char* text);
    // SysLogString at the fatal level.
    int QERNO_CALL SysLogStringFatal(unsigned int cate, const char* text);
    // The same at the error level.
    int QERNO_CALL SysLogStringError(unsigned int cate, const char* text);
    // The same at the warning level.
    int QERNO_CALL SysLogStringWarning(unsigned int cate, const char* text);
    // The same at the information level.
    int QERNO_CALL SysLogStringInfo(unsigned int cate, const char* text);

    // A printf-style record, cut to 2,047 characters.
    int QERNO_CALL SysLogArgs(unsigned int level, unsigned int cate, const char* format,
                              va_list args);
    // SysLogArgs with the arguments inline.
    int __cdecl SysLog(unsigned int level, unsigned int cate, const char* format, ...);
    // The same at the fatal level.
    int __cdecl SysLogFatal(unsigned int cate, const char* format, ...);
    // The same at the error level.
    int __cdecl SysLogError(unsigned int cate, const char* format, ...);
    // The same at the warning level.
    int __cdecl SysLogWarning(unsigned int cate, const char* format, ...);
    // The same at the information level.
    int __cdecl SysLogInfo(unsigned int cate, const char* format, ...);

    // A printf-style record followed by " -- " and the system's text for code (0: the thread's
    // last error).
    int QERNO_CALL SysLogSystemMessageArgs(unsigned int level, unsigned int cate,
                                           unsigned long code, const char* format, va_list args);
    // SysLogSystemMessageArgs with the arguments inline.
    int __cdecl SysLogSystemMessage(unsigned int level, unsigned int cate, unsigned long code,
                                    const char* format, ...);
    // The same at the error level.
    int __cdecl SysLogSystemError(unsigned int cate, unsigned long code, const char* format, ...);

    // Whether records of level reach the window.
    int QERNO_CALL NeedOutputLevel(unsigned int level);
    // Whether records of cate reach the window.
    int QERNO_CALL NeedOutputCate(unsigned int cate);

    // Sets the outputs' bits selected by mask (1 the file, 2 the window); the previous bits.
    unsigned long QERNO_CALL SetOptionOutput(unsigned long value, unsigned long mask);
    // The same for the level mask, for this session only.
    unsigned long QERNO_CALL SetOptionLevel(unsigned long value, unsigned long mask);
    // The same for the category mask, for this session only.
    unsigned long QERNO_CALL SetOptionCate(unsigned long value, unsigned long mask);
    // The output bits.
    unsigned long QERNO_CALL GetOptionOutput();
    // The level mask.
    unsigned long QERNO_CALL GetOptionLevel();
    // The category mask.
    unsigned long QERNO_CALL GetOptionCate();

    // The size past which the log file starts anew; 0xFFFFFFFF for no limit.
    unsigned long QERNO_CALL GetLogFileSize();
    // Sets that size and keeps it in the registry.
    void QERNO_CALL SetLogFileSize(unsigned long size);
    // The log file's path, valid until it changes.
    const char* QERNO_CALL GetLogFile();
    // The path copied into size bytes.
    void QERNO_CALL GetLogFile(char* buffer, unsigned int size);
    // Makes name the log file, kept in the registry, once the file at name has been copied onto
    // the current path. The copy runs that way, from name to the current log, never the other:
    // the records already written are not moved. It fails, leaving the path as it was and
    // logging why, when name does not exist or a file is already at the current path, as there
    // is once a record has been written. The same name in any case does nothing.
    void QERNO_CALL SetLogFile(const char* name);

    // Creates the message window, hidden; 1 when there is one.
    int QERNO_CALL CreateMsgWnd(CWnd* parent);
    // Destroys the message window, if any.
    void QERNO_CALL DeleteMsgWnd();
    // Shows or hides the message window.
    void QERNO_CALL ShowMsgWnd(int show);
    // Whether the message window exists and is visible.
    int QERNO_CALL IsMsgWndVisible();

    // The output bits.
    unsigned long m_dwOutput;
    // The level mask.
    unsigned long m_dwLevel;
    // The category mask.
    unsigned long m_dwCate;
    // The message window, null when not created.
    CLogMsgWnd* m_pMsgWnd;
    // The log file's path; by default qxel21.log in the temporary folder.
    CString m_strLogFile;
    // The size past which the log file starts anew.
    unsigned long m_dwLogFileSize;
};

// The one log object; null before InitQernoDll.
QERNO_API CSysLog* __cdecl GetSysLog();
#endif
