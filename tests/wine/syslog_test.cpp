#include "Qerno.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

constexpr char kConfigKey[] = "SoftWare\\Brelvik\\Brelvik Lumo Studio\\2.1\\Config";

std::string Record(const std::string& level, const std::string& cate, const std::string& text) {
    return level + " -- " + cate + " -- " + text + "\r\n";
}
std::string Record(unsigned int levelId, unsigned int cateId, const std::string& text) {
    return Record(ResourceString(levelId), ResourceString(cateId), text);
}

// The system's text for code as a record carries it: its line feeds turned into blanks.
std::string SystemText(DWORD code) {
    char text[512] = {}; // longer than any system message
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    std::string result = text;
    for (char& c : result)
        c = c == '\n' ? ' ' : c;
    return result;
}

// The log's stored settings as the test found them, put back when it ends.
class SavedConfig {
public:
    SavedConfig() {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kConfigKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegCreateKeyExA(HKEY_CURRENT_USER, kSavedKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &saved_, nullptr);
        RegCopyTreeA(key, nullptr, saved_);
    }
    ~SavedConfig() {
        RegDeleteTreeA(key, nullptr);
        RegCopyTreeA(saved_, nullptr, key);
        RegCloseKey(saved_);
        RegDeleteTreeA(HKEY_CURRENT_USER, kSavedKey);
        RegCloseKey(key);
    }

    HKEY key = nullptr;

private:
    static constexpr char kSavedKey[] = "Software\\QernoSysLogTestSaved";
    HKEY saved_ = nullptr;
};

void Store(HKEY key, const char* name, const std::string& text) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   text.size() + 1);
}
void Store(HKEY key, const char* name, DWORD number) {
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
}

// What the log's window shows, found by its title.
std::string WindowRecords() {
    char records[4096] = {}; // more than the test's records
    GetDlgItemTextA(FindWindowA(nullptr, ResourceString(11266).c_str()), 4001, records,
                    sizeof records);
    return records;
}

// Each test writes through a log of its own to a file of its own.
class SysLog : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!GetRCDllInstance())
            SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    }
    void SetUp() override {
        ASSERT_FALSE(ResourceString(11601).empty());
        path_ =
            TempFilePath(std::string("qerno-syslog-") +
                         testing::UnitTest::GetInstance()->current_test_info()->name() + ".log");
        DeleteFileA(path_.c_str());
        log_.m_strLogFile = path_.c_str();
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }

    std::string path_;
    CSysLog log_;
};

// Unnamed values show as eight hexadecimal digits.
TEST_F(SysLog, RecordsNameTheirLevelAndCategory) {
    log_.SysLogError(kLogCateFrame, "code %d", 5);
    log_.SysLogStringInfo(0x80000, "wave");
    log_.SysLogStringWarning(0x100000, "host");
    log_.SysLogString(3, 0x800, "a\nb");
    EXPECT_EQ(Record(11601, 11616, "code 5") + Record(11603, 11621, "wave") +
                  Record(11602, 11619, "host") + Record("00000003", "00000800", "a b"),
              ReadFileBytes(path_));
}

TEST_F(SysLog, LongRecordsAreCutToOneLine) {
    const std::string longText(5000, 'x');
    log_.SysLogFatal(1, "%s", longText.c_str());
    const std::string prefix = ResourceString(11600) + " -- " + ResourceString(11632) + " -- ";
    EXPECT_EQ(prefix + longText.substr(0, 2045 - prefix.size()) + "\r\n", ReadFileBytes(path_));
}

// Without a code of its own a record takes the thread's last error.
TEST_F(SysLog, SystemErrorsAppendTheSystemText) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    log_.SysLogSystemError(kLogCateMedia, 0, "open %s", "a.avi");
    SetLastError(ERROR_FILE_NOT_FOUND);
    log_.SysLogSystemMessage(kLogWarning, kLogCateMedia, ERROR_ACCESS_DENIED, "write");
    EXPECT_EQ(Record(11601, 11618, "open a.avi -- " + SystemText(ERROR_FILE_NOT_FOUND)) +
                  Record(11602, 11618, "write -- " + SystemText(ERROR_ACCESS_DENIED)),
              ReadFileBytes(path_));
}

// A file at the limit takes one more record; past it, the file restarts with a dated marker.
TEST_F(SysLog, AFileOverTheLimitStartsAnew) {
    log_.m_dwLogFileSize = 100;
    std::ofstream(path_, std::ios::binary) << std::string(100, 'x');
    log_.SysLogStringInfo(1, "kept");
    EXPECT_EQ(std::string(100, 'x') + Record(11603, 11632, "kept"), ReadFileBytes(path_));

    log_.SysLogStringInfo(1, "fresh");
    const std::string restarted = ReadFileBytes(path_);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string marker = "LogFile size limitation -- Message flushed on ";
    ASSERT_EQ(marker.size() + 26, restarted.find("\r\n") + 2);
    EXPECT_EQ(marker, restarted.substr(0, marker.size()));
    EXPECT_EQ(std::to_string(now.wYear), restarted.substr(marker.size() + 20, 4));
    EXPECT_EQ(Record(11603, 11632, "fresh"), restarted.substr(marker.size() + 26));
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
    const std::string both = Record(11601, 11617, "both");
    EXPECT_EQ(Record(11603, 11617, "file only") + both, ReadFileBytes(path_));
    EXPECT_EQ(both + Record(11601, 11617, "window only"), WindowRecords());
}

// The file at the new name is copied onto the current name, which must be free; the log moves
// only when that copy succeeds, and the name and the limit are stored.
TEST_F(SysLog, SettersStoreTheFileNameAndTheLimit) {
    SavedConfig config;
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
    EXPECT_EQ(current + Record(11601, 11616, failure), ReadFileBytes(path_));

    DeleteFileA(path_.c_str());
    log_.SetLogFile(next.c_str());
    EXPECT_EQ(next, log_.GetLogFile());
    EXPECT_EQ("next\r\n", ReadFileBytes(path_));
    char stored[MAX_PATH + 1] = {}; // a file name and its terminator
    DWORD size = sizeof stored;
    RegGetValueA(config.key, nullptr, "LogFile", RRF_RT_REG_SZ, nullptr, stored, &size);
    EXPECT_EQ(next, stored);
    char start[5] = "????";
    log_.GetLogFile(start, sizeof start);
    EXPECT_EQ(next.substr(0, 4), start);
    DeleteFileA(next.c_str());

    log_.SetLogFileSize(4096);
    DWORD storedSize = 0;
    size = sizeof storedSize;
    RegGetValueA(config.key, nullptr, "LogFileSize", RRF_RT_REG_DWORD, nullptr, &storedSize, &size);
    EXPECT_EQ(4096u, storedSize);
}

TEST_F(SysLog, ConstructionReadsTheStoredSettings) {
    SavedConfig config;
    for (const char* name : {"LogFile", "LogFileSize", "SLLevel", "SLCategory"})
        RegDeleteValueA(config.key, name);
    CSysLog defaults;
    EXPECT_EQ(TempFilePath("qxel21.log"), defaults.GetLogFile());
    EXPECT_EQ(0xFFFFFFFFu, defaults.GetLogFileSize());
    EXPECT_EQ(15u, defaults.GetOptionLevel());
    EXPECT_EQ(0x7D0003u, defaults.GetOptionCate());
    EXPECT_EQ(3u, defaults.GetOptionOutput());

    Store(config.key, "LogFile", "C:\\logs\\stored.log");
    Store(config.key, "LogFileSize", 1000);
    Store(config.key, "SLLevel", 3);
    Store(config.key, "SLCategory", 0x400000);
    CSysLog stored;
    EXPECT_STREQ("C:\\logs\\stored.log", stored.GetLogFile());
    EXPECT_EQ(1000u, stored.GetLogFileSize());
    EXPECT_EQ(3u, stored.GetOptionLevel());
    EXPECT_EQ(0x400000u, stored.GetOptionCate());

    Store(config.key, "LogFile", "");
    CSysLog withoutFile;
    EXPECT_STREQ("", withoutFile.GetLogFile());
}

} // namespace
