// Points the library's log at a file of the test's own while the capture lives, so a test reads
// back exactly the records its calls wrote. The log must exist (InitQernoDll has run).
#pragma once

#include "QernoLog.h"
#include "support/TestFiles.h"

#include <string>

class LogCapture {
public:
    explicit LogCapture(const char* fileName)
        : log_(*GetSysLog()), path_(TempFilePath(fileName)), savedPath_(log_.GetLogFile()),
          savedOutput_(log_.m_dwOutput) {
        DeleteFileA(path_.c_str());
        // Set directly: SetLogFile would move the library's file and keep the name.
        log_.m_strLogFile = path_.c_str();
        log_.m_dwOutput = 1; // the file only
    }
    ~LogCapture() {
        log_.m_strLogFile = savedPath_.c_str();
        log_.m_dwOutput = savedOutput_;
        DeleteFileA(path_.c_str());
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string Text() const { return ReadFileBytes(path_); }

    // How many times text occurs in what was logged.
    int Count(const std::string& text) const { return CountOf(Text(), text); }

private:
    CSysLog& log_;
    const std::string path_;
    const std::string savedPath_;
    const unsigned long savedOutput_;
};
