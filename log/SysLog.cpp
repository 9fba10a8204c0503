#include "QernoLog.h"

#include "QernoConfig.h"
#include "QernoFrame.h"
#include "log/LogMsgWnd.h"
#include "log/LogRecord.h"
#include "log/SysLogFile.h"

#include <cstdio>
#include <cstddef>
#include <cstring>

// Hosts built against the 32-bit product hold these themselves: the layout is theirs too.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(CSysLog, m_dwOutput) == 0);
static_assert(offsetof(CSysLog, m_dwLevel) == 4);
static_assert(offsetof(CSysLog, m_dwCate) == 8);
static_assert(offsetof(CSysLog, m_pMsgWnd) == 12);
static_assert(offsetof(CSysLog, m_strLogFile) == 16);
static_assert(offsetof(CSysLog, m_dwLogFileSize) == 20);
static_assert(sizeof(CSysLog) == 24);
#endif

namespace {

constexpr unsigned long kOutputFile = 1;
constexpr unsigned long kOutputWindow = 2;
constexpr unsigned long kAllLevels = kLogFatal | kLogError | kLogWarning | kLogInfo;
// The prompts' argument checks are too chatty to be on by default.
constexpr unsigned long kDefaultCategories = 0x7F0003 & ~kLogCatePromptArgs;
constexpr unsigned long kNoSizeLimit = 0xFFFFFFFF;

constexpr char kConfigKey[] = "Config";
constexpr char kDefaultFileName[] = "qxel21.log";

CString DefaultLogFile() {
    char folder[MAX_PATH + 1]; // the temporary directory, 260 characters at most, terminated
    DWORD length = GetTempPathA(sizeof folder, folder);
    if (length >= sizeof folder)
        length = 0;
    folder[length] = '\0';
    const char* separator = length > 0 && folder[length - 1] == '\\' ? "" : "\\";
    char name[sizeof folder + sizeof kDefaultFileName]; // folder, backslash, file name, terminator
    std::snprintf(name, sizeof name, "%s%s%s", folder, separator, kDefaultFileName);
    return name;
}

// The log is not reachable while it is being made, so its registry reads must not log.
void ReadSettings(CSysLog& log) {
    CLumoRegist registry;
    registry.m_bLog = FALSE;
    if (!registry.Open(kConfigKey, FALSE))
        return;
    char name[MAX_PATH + 1] = {}; // 260 bytes of value and the terminator it may be stored without
    unsigned long size = MAX_PATH;
    if (registry.GetStringByName("LogFile", name, &size))
        log.m_strLogFile = name;
    registry.GetDWordByName("LogFileSize", &log.m_dwLogFileSize);
    registry.GetDWordByName("SLLevel", &log.m_dwLevel);
    registry.GetDWordByName("SLCategory", &log.m_dwCate);
    registry.Close();
}

// An unnamed value, or one whose name the resource module lacks, shows as hexadecimal digits.
template <unsigned int N>
void ValueText(unsigned int value, unsigned int stringId, char (&text)[N]) {
    if (!stringId || !GetIDStringB(stringId, text, N))
        FormatLogValueHex(value, text, N);
}

void FormatMessageText(const char* format, va_list args, char (&message)[kLogRecordSize]) {
    if (!format || std::vsnprintf(message, sizeof message, format, args) < 0)
        message[0] = '\0';
}

} // namespace

CSysLog::CSysLog()
    : m_dwOutput(kOutputFile | kOutputWindow), m_dwLevel(kAllLevels), m_dwCate(kDefaultCategories),
      m_pMsgWnd(nullptr), m_strLogFile(DefaultLogFile()), m_dwLogFileSize(kNoSizeLimit) {
    ReadSettings(*this);
}

CSysLog::~CSysLog() {
    DeleteMsgWnd();
    m_dwOutput = 0;
}

int QERNO_CALL CSysLog::SysLogString(unsigned int level, unsigned int cate, const char* text) {
    char levelText[kLogLevelTextSize];
    char cateText[kLogCateTextSize];
    ValueText(level, LogLevelStringId(level), levelText);
    ValueText(cate, LogCateStringId(cate), cateText);
    char record[kLogRecordSize];
    const unsigned int length = BuildLogRecord(levelText, cateText, text, record);

    if ((m_dwOutput & kOutputWindow) && m_pMsgWnd && NeedOutputLevel(level) && NeedOutputCate(cate))
        m_pMsgWnd->AppendText(record, TRUE);
    // The masks choose what is worth watching; the file keeps everything.
    if ((m_dwOutput & kOutputFile) && !m_strLogFile.IsEmpty())
        AppendLogRecord(m_strLogFile, m_dwLogFileSize, record, length);
    return 0;
}

int QERNO_CALL CSysLog::SysLogStringFatal(unsigned int cate, const char* text) {
    return SysLogString(kLogFatal, cate, text);
}

int QERNO_CALL CSysLog::SysLogStringError(unsigned int cate, const char* text) {
    return SysLogString(kLogError, cate, text);
}

int QERNO_CALL CSysLog::SysLogStringWarning(unsigned int cate, const char* text) {
    return SysLogString(kLogWarning, cate, text);
}

int QERNO_CALL CSysLog::SysLogStringInfo(unsigned int cate, const char* text) {
    return SysLogString(kLogInfo, cate, text);
}

int QERNO_CALL CSysLog::SysLogArgs(unsigned int level, unsigned int cate, const char* format,
                                   va_list args) {
    char message[kLogRecordSize]; // 2,047 characters and the terminator
    FormatMessageText(format, args, message);
    return SysLogString(level, cate, message);
}

int __cdecl CSysLog::SysLog(unsigned int level, unsigned int cate, const char* format, ...) {
    va_list args;
    va_start(args, format);
    SysLogArgs(level, cate, format, args);
    va_end(args);
    return 0;
}

int __cdecl CSysLog::SysLogFatal(unsigned int cate, const char* format, ...) {
    va_list args;
    va_start(args, format);
    SysLogArgs(kLogFatal, cate, format, args);
    va_end(args);
    return 0;
}

int __cdecl CSysLog::SysLogError(unsigned int cate, const char* format, ...) {
    va_list args;
    va_start(args, format);
    SysLogArgs(kLogError, cate, format, args);
    va_end(args);
    return 0;
}

int __cdecl CSysLog::SysLogWarning(unsigned int cate, const char* format, ...) {
    va_list args;
    va_start(args, format);
    SysLogArgs(kLogWarning, cate, format, args);
    va_end(args);
    return 0;
}

int __cdecl CSysLog::SysLogInfo(unsigned int cate, const char* format, ...) {
    va_list args;
    va_start(args, format);
    SysLogArgs(kLogInfo, cate, format, args);
    va_end(args);
    return 0;
}

int QERNO_CALL CSysLog::SysLogSystemMessageArgs(unsigned int level, unsigned int cate,
                                                unsigned long code, const char* format,
                                                va_list args) {
    // Taken first: any call below may change the thread's last error.
    const DWORD error = code ? code : GetLastError();
    char message[kLogRecordSize]; // 2,047 characters and the terminator
    FormatMessageText(format, args, message);
    size_t length = std::strlen(message);
    lstrcpynA(message + length, " -- ", sizeof message - length);
    length = std::strlen(message);
    // A code without a text, or a text without room, leaves the separator at the end.
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), message + length,
                        sizeof message - length, nullptr))
        message[length] = '\0';
    return SysLogString(level, cate, message);
}

int __cdecl CSysLog::SysLogSystemMessage(unsigned int level, unsigned int cate, unsigned long code,
                                         const char* format, ...) {
    va_list args;
    va_start(args, format);
    SysLogSystemMessageArgs(level, cate, code, format, args);
    va_end(args);
    return 0;
}

int __cdecl CSysLog::SysLogSystemError(unsigned int cate, unsigned long code, const char* format,
                                       ...) {
    va_list args;
    va_start(args, format);
    SysLogSystemMessageArgs(kLogError, cate, code, format, args);
    va_end(args);
    return 0;
}

int QERNO_CALL CSysLog::NeedOutputLevel(unsigned int level) {
    return (level & m_dwLevel) != 0;
}

int QERNO_CALL CSysLog::NeedOutputCate(unsigned int cate) {
    return (cate & m_dwCate) != 0;
}

unsigned long QERNO_CALL CSysLog::SetOptionOutput(unsigned long value, unsigned long mask) {
    return SetOptionBits(m_dwOutput, value, mask);
}

unsigned long QERNO_CALL CSysLog::SetOptionLevel(unsigned long value, unsigned long mask) {
    return SetOptionBits(m_dwLevel, value, mask);
}

unsigned long QERNO_CALL CSysLog::SetOptionCate(unsigned long value, unsigned long mask) {
    return SetOptionBits(m_dwCate, value, mask);
}

unsigned long QERNO_CALL CSysLog::GetOptionOutput() {
    return m_dwOutput;
}

unsigned long QERNO_CALL CSysLog::GetOptionLevel() {
    return m_dwLevel;
}

unsigned long QERNO_CALL CSysLog::GetOptionCate() {
    return m_dwCate;
}

unsigned long QERNO_CALL CSysLog::GetLogFileSize() {
    return m_dwLogFileSize;
}

void QERNO_CALL CSysLog::SetLogFileSize(unsigned long size) {
    m_dwLogFileSize = size;
    CLumoRegist registry;
    if (registry.Open(kConfigKey, TRUE))
        registry.SetDWordByName("LogFileSize", size);
}

const char* QERNO_CALL CSysLog::GetLogFile() {
    return m_strLogFile;
}

void QERNO_CALL CSysLog::GetLogFile(char* buffer, unsigned int size) {
    if (buffer && size > 0)
        lstrcpynA(buffer, m_strLogFile, size);
}

// The file at the new name is copied onto the current name, which must be free; the log moves
// only when that copy succeeds.
void QERNO_CALL CSysLog::SetLogFile(const char* name) {
    if (m_strLogFile.CompareNoCase(name) == 0)
        return;
    if (!CopyFileA(name, m_strLogFile, TRUE)) {
        SysLogSystemError(kLogCateFrame, 0, "Error change logfile from: %s to %s\n", name,
                          static_cast<const char*>(m_strLogFile));
        return;
    }
    m_strLogFile = name;
    CLumoRegist registry;
    if (registry.Open(kConfigKey, TRUE))
        registry.SetStringByName("LogFile", m_strLogFile);
}
