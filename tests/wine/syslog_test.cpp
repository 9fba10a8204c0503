#include "Qerno.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

constexpr char kConfigKey[] = "SoftWare\\Brelvik\\Brelvik Lumo Studio\\2.1\\Config";

// Each test writes through a log of its own to a file it starts empty.
class SysLog : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!GetRCDllInstance())
            SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    }
    void SetUp() override {
        DeleteFileA(path_.c_str());
        log_.m_strLogFile = path_.c_str();
    }
    // The settings the tests store go, so that every log after them starts from the defaults.
    void TearDown() override {
        DeleteFileA(path_.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kConfigKey);
    }

    std::string path_ = TempFilePath("qerno-syslog-test.log");
    CSysLog log_;
};

// Unnamed values show as eight hexadecimal digits.
TEST_F(SysLog, RecordsNameTheirLevelAndCategory) {
    log_.SysLogError(kLogCateFrame, "code %d", 5);
    log_.SysLogStringInfo(0x80000, "wave");
    log_.SysLogStringWarning(0x100000, "host");
    log_.SysLogString(3, 0x800, "a");
    log_.SysLogFatal(1, "fatal");
    EXPECT_EQ(LogRecord(11601, 11616, "code 5") + LogRecord(11603, 11621, "wave") +
                  LogRecord(11602, 11619, "host") + "00000003 -- 00000800 -- a\r\n" +
                  LogRecord(11600, 11632, "fatal"),
              ReadFileBytes(path_));
}

// A file at the limit takes one more record; past it, the file restarts with a dated marker.
TEST_F(SysLog, AFileOverTheLimitStartsAnew) {
    log_.m_dwLogFileSize = 100;
    std::ofstream(path_, std::ios::binary) << std::string(100, 'x');
    log_.SysLogStringInfo(1, "kept");
    EXPECT_EQ(std::string(100, 'x') + LogRecord(11603, 11632, "kept"), ReadFileBytes(path_));

    log_.SysLogStringInfo(1, "fresh");
    const std::string restarted = ReadFileBytes(path_), marker = "LogFile size limitation";
    EXPECT_EQ(marker, restarted.substr(0, marker.size()));
    const std::string fresh = LogRecord(11603, 11632, "fresh");
    EXPECT_EQ(fresh, restarted.substr(restarted.size() - fresh.size()));
}

// The window shows what the level and category masks let through; the file keeps everything.
TEST_F(SysLog, MasksAndOutputsFilterOnlyTheWindow) {
    log_.SetOptionLevel(kLogError, 15);
    log_.SetOptionCate(0x20000, 0x20000);
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    log_.SysLogStringInfo(0x20000, "file only");
    log_.SysLogStringError(0x20000, "both");
    log_.SetOptionOutput(0, 1);
    log_.SysLogStringError(0x20000, "window only");
    const std::string both = LogRecord(11601, 11617, "both");
    EXPECT_EQ(LogRecord(11603, 11617, "file only") + both, ReadFileBytes(path_));
    char window[4096] = {}; // more than the test's records
    GetDlgItemTextA(FindWindowA(nullptr, ResourceString(11266).c_str()), 4001, window,
                    sizeof window);
    EXPECT_EQ(both + LogRecord(11601, 11617, "window only"), window);
}

// The file at the new name is copied onto the current name, which must be free; the log moves
// only when that copy succeeds, and the name and the limit are stored.
TEST_F(SysLog, SettersStoreTheFileNameAndTheLimit) {
    const std::string next = TempFilePath("qerno-syslog-next.log");
    std::ofstream(next, std::ios::binary) << "next\r\n";
    log_.SysLogStringInfo(1, "current");
    const std::string current = ReadFileBytes(path_);

    CharUpperA(&path_[0]);
    log_.SetLogFile(path_.c_str()); // the same name in other case: nothing to do
    log_.SetLogFile(next.c_str());
    EXPECT_STRCASEEQ(path_.c_str(), log_.GetLogFile());
    const std::string failure = "Error change logfile from: " + next + " to " + log_.GetLogFile() +
                                "  -- " + SystemText(ERROR_FILE_EXISTS);
    EXPECT_EQ(current + LogRecord(11601, 11616, failure), ReadFileBytes(path_));

    DeleteFileA(path_.c_str());
    log_.SetLogFile(next.c_str());
    log_.SetLogFileSize(4096);
    EXPECT_EQ(next, log_.GetLogFile());
    EXPECT_EQ("next\r\n", ReadFileBytes(path_));
    char start[5] = "????";
    log_.GetLogFile(start, sizeof start);
    EXPECT_EQ(next.substr(0, 4), start);
    DeleteFileA(next.c_str());
    CSysLog reread;
    EXPECT_EQ(next, reread.GetLogFile());
    EXPECT_EQ(4096u, reread.GetLogFileSize());
}

// Reading the stored name and size limit is checked with their setters; a stored empty name is
// no file.
TEST_F(SysLog, ConstructionReadsTheStoredSettings) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kConfigKey);
    CSysLog defaults;
    EXPECT_EQ(TempFilePath("qxel21.log"), defaults.GetLogFile());
    EXPECT_EQ(0xFFFFFFFFu, defaults.GetLogFileSize());
    EXPECT_EQ(15u, defaults.GetOptionLevel());
    EXPECT_EQ(0x7D0003u, defaults.GetOptionCate());
    EXPECT_EQ(3u, defaults.GetOptionOutput());

    CLumoRegist writer;
    ASSERT_EQ(1, writer.Open("Config", TRUE));
    writer.SetDWordByName("SLLevel", 3);
    writer.SetDWordByName("SLCategory", 0x400000);
    CSysLog stored;
    EXPECT_EQ(3u, stored.GetOptionLevel());
    EXPECT_EQ(0x400000u, stored.GetOptionCate());
    writer.SetStringByName("LogFile", "");
    EXPECT_STREQ("", CSysLog().GetLogFile());
}

} // namespace
