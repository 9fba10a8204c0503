// The system log: one CSysLog, its options, its log file and its message window.
#pragma once

#include "QernoAfx.h"

#if defined(_WIN32)
#include <cstdarg>

class CLogMsgWnd;

// Levels (one bit each) and the categories of the library's own records.
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

class QERNO_API CSysLog {
public:
    CSysLog();
    ~CSysLog();
    CSysLog(const CSysLog&) = delete;
    CSysLog& operator=(const CSysLog&) = delete;

    int QERNO_CALL SysLogString(unsigned int level, unsigned int cate, const char* text);
    int QERNO_CALL SysLogStringFatal(unsigned int cate, const char* text);
    int QERNO_CALL SysLogStringError(unsigned int cate, const char* text);
    int QERNO_CALL SysLogStringWarning(unsigned int cate, const char* text);
    int QERNO_CALL SysLogStringInfo(unsigned int cate, const char* text);

    int QERNO_CALL SysLogArgs(unsigned int level, unsigned int cate, const char* format,
                              va_list args);
    int __cdecl SysLog(unsigned int level, unsigned int cate, const char* format, ...);
    int __cdecl SysLogFatal(unsigned int cate, const char* format, ...);
    int __cdecl SysLogError(unsigned int cate, const char* format, ...);
    int __cdecl SysLogWarning(unsigned int cate, const char* format, ...);
    int __cdecl SysLogInfo(unsigned int cate, const char* format, ...);

    int QERNO_CALL SysLogSystemMessageArgs(unsigned int level, unsigned int cate,
                                           unsigned long code, const char* format, va_list args);
    int __cdecl SysLogSystemMessage(unsigned int level, unsigned int cate, unsigned long code,
                                    const char* format, ...);
    int __cdecl SysLogSystemError(unsigned int cate, unsigned long code, const char* format, ...);

    int QERNO_CALL NeedOutputLevel(unsigned int level);
    int QERNO_CALL NeedOutputCate(unsigned int cate);

    unsigned long QERNO_CALL SetOptionOutput(unsigned long value, unsigned long mask);
    unsigned long QERNO_CALL SetOptionLevel(unsigned long value, unsigned long mask);
    unsigned long QERNO_CALL SetOptionCate(unsigned long value, unsigned long mask);
    unsigned long QERNO_CALL GetOptionOutput();
    unsigned long QERNO_CALL GetOptionLevel();
    unsigned long QERNO_CALL GetOptionCate();

    unsigned long QERNO_CALL GetLogFileSize();
    void QERNO_CALL SetLogFileSize(unsigned long size);
    const char* QERNO_CALL GetLogFile();
    void QERNO_CALL GetLogFile(char* buffer, unsigned int size);
    void QERNO_CALL SetLogFile(const char* name);

    int QERNO_CALL CreateMsgWnd(CWnd* parent);
    void QERNO_CALL DeleteMsgWnd();
    void QERNO_CALL ShowMsgWnd(int show);
    int QERNO_CALL IsMsgWndVisible();

    unsigned long m_dwOutput;
    unsigned long m_dwLevel;
    unsigned long m_dwCate;
    CLogMsgWnd* m_pMsgWnd;
    CString m_strLogFile;
    unsigned long m_dwLogFileSize;
};

// The one log object; null before InitQernoDll.
QERNO_API CSysLog* __cdecl GetSysLog();
#endif
