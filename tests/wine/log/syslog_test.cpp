// The log: its records and file, its settings, and its window, which is created hidden, trimmed
// to the latest records and hidden by its close box.
#include "Qerno.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr char kConfigKey[] = "SoftWare\\Brelvik\\Brelvik Lumo Studio\\2.1\\Config";

// Each test writes through a log of its own to a file it starts empty. The log's window takes its
// title and line-count format from the resource module.
struct SysLog : testing::Test {
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

    HWND Window() const { return FindWindowA(nullptr, ResourceString(11266).c_str()); }
    HWND Records() const { return GetDlgItem(Window(), 4001); }
    int Lines() const { return static_cast<int>(SendMessageA(Records(), EM_GETLINECOUNT, 0, 0)); }
    std::string Text(HWND control) const {
        std::string text(GetWindowTextLengthA(control) + 1, '\0');
        text.resize(GetWindowTextA(control, &text[0], static_cast<int>(text.size())));
        return text;
    }
    // Long records: 200 of them outgrow an edit control's default limit of 30,000 characters.
    void Write(int first, int last) {
        const std::string padding(200, '.');
        for (int record = first; record <= last; ++record)
            log_.SysLog(kLogInfo, kLogCateFrame, "record %d %s", record, padding.c_str());
    }

    std::string path_ = TempFilePath("qerno-syslog-test.log");
    CSysLog log_;
};

// Unnamed values show as eight hexadecimal digits.
TEST_F(SysLog, RecordsNameTheirLevelAndCategoryAndAFileOverTheLimitStartsAnew) {
    log_.SysLogError(kLogCateFrame, "code %d", 5);
    log_.SysLogStringInfo(0x80000, "wave");
    log_.SysLogStringWarning(0x100000, "host");
    log_.SysLogString(3, 0x800, "a");
    log_.SysLogFatal(1, "fatal");
    EXPECT_EQ(LogRecord(11601, 11616, "code 5") + LogRecord(11603, 11621, "wave") +
                  LogRecord(11602, 11619, "host") + "00000003 -- 00000800 -- a\r\n" +
                  LogRecord(11600, 11632, "fatal"),
              ReadFileBytes(path_));

    // A file at the limit takes one more record; past it, the file restarts with a dated marker.
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
    EXPECT_EQ(both + LogRecord(11601, 11617, "window only"), Text(Records()));
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
    EXPECT_EQ((std::vector<unsigned long>{0xFFFFFFFF, 15, 0x7D0003, 3}),
              (std::vector<unsigned long>{defaults.GetLogFileSize(), defaults.GetOptionLevel(),
                                          defaults.GetOptionCate(), defaults.GetOptionOutput()}));

    CLumoRegist writer;
    ASSERT_EQ(1, writer.Open("Config", TRUE));
    writer.SetDWordByName("SLLevel", 3);
    writer.SetDWordByName("SLCategory", 0x400000);
    CSysLog stored;
    EXPECT_TRUE(stored.GetOptionLevel() == 3 && stored.GetOptionCate() == 0x400000);
    writer.SetStringByName("LogFile", "");
    EXPECT_STREQ("", CSysLog().GetLogFile());
}

// The close box only hides the window; deleting it destroys it.
TEST_F(SysLog, WindowStartsHiddenOnlyOnceAndItsCloseBoxOnlyHidesIt) {
    log_.ShowMsgWnd(1);
    EXPECT_EQ(0, log_.IsMsgWndVisible()) << "no window yet";
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    EXPECT_EQ(1, log_.CreateMsgWnd(nullptr)) << "a second call keeps the window";
    EXPECT_EQ(0, log_.IsMsgWndVisible());
    log_.ShowMsgWnd(1);
    EXPECT_EQ(1, log_.IsMsgWndVisible());
    Write(1, 2);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    ASSERT_NE(nullptr, Window()) << "closing must not destroy the window";
    EXPECT_EQ(0, log_.IsMsgWndVisible());
    Write(3, 3);
    EXPECT_EQ(4, Lines());
    log_.DeleteMsgWnd();
    EXPECT_EQ(nullptr, Window());
}

TEST_F(SysLog, WindowKeepsTheLatestHundredRecordsOncePastTwoHundredLines) {
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    Write(1, 200);
    ASSERT_EQ(201, Lines()) << "200 records and the empty line after the last";

    Write(201, 201);
    EXPECT_EQ(101, Lines());
    const std::string text = Text(Records());
    EXPECT_EQ(std::string::npos, text.find("record 101 "));
    EXPECT_NE(std::string::npos, text.find("record 102 "));
    EXPECT_NE(std::string::npos, text.find("record 201 "));
    char expected[1024]; // wsprintf's own limit
    wsprintfA(expected, ResourceString(12059).c_str(), 101);
    EXPECT_EQ(expected, Text(GetDlgItem(Window(), 4000))) << "the status bar";
}

} // namespace
