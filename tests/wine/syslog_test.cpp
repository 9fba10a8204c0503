#include "Qerno.h"
#include "support/HostWindow.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr char kConfigKey[] = "SoftWare\\Brelvik\\Brelvik Lumo Studio\\2.1\\Config";
constexpr char kSizeMarker[] = "LogFile size limitation -- Message flushed on ";

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Record(const std::string& level, const std::string& cate, const std::string& text) {
    return level + " -- " + cate + " -- " + text + "\r\n";
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
        for (Value& value : values_)
            value.present = RegQueryValueExA(key, value.name, nullptr, &value.type, value.data,
                                             &value.size) == ERROR_SUCCESS;
    }
    ~SavedConfig() {
        for (const Value& value : values_) {
            if (value.present)
                RegSetValueExA(key, value.name, 0, value.type, value.data, value.size);
            else
                RegDeleteValueA(key, value.name);
        }
        RegCloseKey(key);
    }

    HKEY key = nullptr;

private:
    struct Value {
        const char* name;
        bool present;
        DWORD type;
        BYTE data[MAX_PATH + 1]; // the longest value, a file name, and its terminator
        DWORD size;
    };
    Value values_[4] = {{"LogFile", false, 0, {}, sizeof Value::data},
                        {"LogFileSize", false, 0, {}, sizeof Value::data},
                        {"SLLevel", false, 0, {}, sizeof Value::data},
                        {"SLCategory", false, 0, {}, sizeof Value::data}};
};

void Store(HKEY key, const char* name, const std::string& text) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   text.size() + 1);
}

void Store(HKEY key, const char* name, DWORD number) {
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
}

BOOL CALLBACK FindLogText(HWND window, LPARAM found) {
    *reinterpret_cast<HWND*>(found) = GetDlgItem(window, 4001);
    return *reinterpret_cast<HWND*>(found) == nullptr;
}

std::string WindowRecords() {
    HWND text = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindLogText, reinterpret_cast<LPARAM>(&text));
    char records[4096] = {}; // more than the test's records
    GetWindowTextA(text, records, sizeof records);
    return records;
}

// One started library for the process; each test writes through a log of its own to a file of
// its own, while the library's log writes to a file the suite removes.
class SysLog : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = new HostWindow;
        InitQernoDll(host_->handle(), LoadLibraryA("QernoRes.dll"));
        GetSysLog()->m_strLogFile = TempFilePath("qerno-syslog-library.log").c_str();
    }
    static void TearDownTestSuite() {
        DeleteFileA(GetSysLog()->GetLogFile());
        delete host_;
    }
    void SetUp() override {
        path_ =
            TempFilePath(std::string("qerno-syslog-") +
                         testing::UnitTest::GetInstance()->current_test_info()->name() + ".log");
        DeleteFileA(path_.c_str());
        log_ = new CSysLog;
        log_->m_strLogFile = path_.c_str();
    }
    void TearDown() override {
        delete log_;
        DeleteFileA(path_.c_str());
    }

    static HostWindow* host_;
    std::string path_;
    CSysLog* log_ = nullptr;
};

HostWindow* SysLog::host_ = nullptr;

TEST_F(SysLog, RecordsNameTheirLevelAndCategory) {
    ASSERT_FALSE(ResourceString(11601).empty());
    log_->SysLogError(kLogCateFrame, "code %d", 5);
    log_->SysLogStringInfo(0x80000, "wave");
    log_->SysLogStringWarning(0x100000, "host");
    log_->SysLogString(3, 0x800, "a\nb");
    EXPECT_EQ(Record(ResourceString(11601), ResourceString(11616), "code 5") +
                  Record(ResourceString(11603), ResourceString(11621), "wave") +
                  Record(ResourceString(11602), ResourceString(11619), "host") +
                  Record("00000003", "00000800", "a b"),
              ReadFileBytes(path_));
}

TEST_F(SysLog, LongRecordsAreCutToOneLine) {
    const std::string longText(5000, 'x');
    EXPECT_EQ(0, log_->SysLogFatal(1, "%s", longText.c_str()));
    const std::string prefix = ResourceString(11600) + " -- " + ResourceString(11632) + " -- ";
    EXPECT_EQ(prefix + longText.substr(0, 2045 - prefix.size()) + "\r\n", ReadFileBytes(path_));
}

TEST_F(SysLog, SystemErrorsAppendTheSystemText) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    log_->SysLogSystemError(kLogCateMedia, 0, "open %s", "a.avi");
    SetLastError(ERROR_FILE_NOT_FOUND);
    log_->SysLogSystemMessage(kLogWarning, kLogCateMedia, ERROR_ACCESS_DENIED, "write");
    ASSERT_FALSE(SystemText(ERROR_ACCESS_DENIED).empty());
    EXPECT_EQ(Record(ResourceString(11601), ResourceString(11618),
                     "open a.avi -- " + SystemText(ERROR_FILE_NOT_FOUND)) +
                  Record(ResourceString(11602), ResourceString(11618),
                         "write -- " + SystemText(ERROR_ACCESS_DENIED)),
              ReadFileBytes(path_));
}

TEST_F(SysLog, AFileOverTheLimitStartsAnew) {
    log_->m_dwLogFileSize = 100;
    WriteAll(path_, std::string(100, 'x'));
    log_->SysLogStringInfo(1, "kept");
    const std::string record = Record(ResourceString(11603), ResourceString(11632), "kept");
    EXPECT_EQ(std::string(100, 'x') + record, ReadFileBytes(path_));

    log_->SysLogStringInfo(1, "fresh");
    const std::string restarted = ReadFileBytes(path_);
    SYSTEMTIME now;
    GetLocalTime(&now);
    ASSERT_EQ(sizeof kSizeMarker - 1 + 26, restarted.find("\r\n") + 2);
    EXPECT_EQ(kSizeMarker, restarted.substr(0, sizeof kSizeMarker - 1));
    EXPECT_EQ(std::to_string(now.wYear), restarted.substr(sizeof kSizeMarker - 1 + 20, 4));
    EXPECT_EQ(Record(ResourceString(11603), ResourceString(11632), "fresh"), restarted.substr(72));
}

TEST_F(SysLog, OptionsSetTheMaskedBitsAndFilterOnlyTheWindow) {
    EXPECT_EQ(15u, log_->SetOptionLevel(2, 15));
    EXPECT_EQ(0x7D0003u, log_->SetOptionCate(0x20000, 0x20000));
    EXPECT_EQ(0x7F0003u, log_->GetOptionCate());
    EXPECT_EQ(1, log_->NeedOutputCate(0x20000));
    EXPECT_EQ(0, log_->NeedOutputLevel(kLogInfo));
    ASSERT_EQ(1, log_->CreateMsgWnd(nullptr));

    log_->SysLogStringInfo(0x20000, "file only");
    log_->SysLogStringError(0x20000, "both");
    EXPECT_EQ(3u, log_->SetOptionOutput(0, 1));
    log_->SysLogStringError(0x20000, "window only");
    const std::string both = Record(ResourceString(11601), ResourceString(11617), "both");
    EXPECT_EQ(Record(ResourceString(11603), ResourceString(11617), "file only") + both,
              ReadFileBytes(path_));
    EXPECT_EQ(both + Record(ResourceString(11601), ResourceString(11617), "window only"),
              WindowRecords());
}

TEST_F(SysLog, RecordsWithoutAUsableFileAreLost) {
    const std::string missingFolder = TempFilePath("qerno-missing-folder\\a.log");
    for (const std::string& unusable : {std::string(), TempFilePath(""), missingFolder}) {
        log_->m_strLogFile = unusable.c_str();
        EXPECT_EQ(0, log_->SysLogStringError(1, "lost"));
        EXPECT_EQ(3u, log_->GetOptionOutput());
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missingFolder.c_str()));
}

TEST_F(SysLog, SettersStoreTheFileNameAndTheLimit) {
    SavedConfig config;
    const std::string next = TempFilePath("qerno-syslog-next.log");
    WriteAll(next, "next\r\n");
    log_->SysLogStringInfo(1, "current");
    const std::string current = ReadFileBytes(path_);

    CharUpperA(&path_[0]);
    log_->SetLogFile(path_.c_str());
    log_->SetLogFile(next.c_str());
    EXPECT_STRCASEEQ(path_.c_str(), log_->GetLogFile());
    const std::string failure = "Error change logfile from: " + next + " to " + log_->GetLogFile() +
                                "  -- " + SystemText(ERROR_FILE_EXISTS);
    EXPECT_EQ(current + Record(ResourceString(11601), ResourceString(11616), failure),
              ReadFileBytes(path_));

    DeleteFileA(path_.c_str());
    log_->SetLogFile(next.c_str());
    EXPECT_EQ(next, log_->GetLogFile());
    EXPECT_EQ("next\r\n", ReadFileBytes(path_));
    char storedName[MAX_PATH + 1] = {}; // a file name and its terminator
    DWORD size = sizeof storedName;
    RegGetValueA(config.key, nullptr, "LogFile", RRF_RT_REG_SZ, nullptr, storedName, &size);
    EXPECT_EQ(next, storedName);
    char start[5] = "????";
    log_->GetLogFile(start, sizeof start);
    EXPECT_EQ(next.substr(0, 4), start);
    DeleteFileA(next.c_str());

    log_->SetLogFileSize(4096);
    DWORD storedSize = 0;
    size = sizeof storedSize;
    RegGetValueA(config.key, nullptr, "LogFileSize", RRF_RT_REG_DWORD, nullptr, &storedSize, &size);
    EXPECT_EQ(4096u, log_->GetLogFileSize());
    EXPECT_EQ(4096u, storedSize);
}

// The library's log is made once per process: other logs read the stored settings again.
TEST_F(SysLog, ConstructionReadsTheStoredSettings) {
    ASSERT_NE(nullptr, GetSysLog());
    SavedConfig config;
    for (const char* name : {"LogFile", "LogFileSize", "SLLevel", "SLCategory"})
        RegDeleteValueA(config.key, name);
    CSysLog defaults;
    EXPECT_EQ(TempFilePath("qxel21.log"), defaults.GetLogFile());
    EXPECT_EQ(0xFFFFFFFFu, defaults.GetLogFileSize());
    EXPECT_EQ(15u, defaults.GetOptionLevel());
    EXPECT_EQ(0x7D0003u, defaults.GetOptionCate());

    Store(config.key, "LogFile", "C:\\logs\\stored.log");
    Store(config.key, "LogFileSize", 1000);
    Store(config.key, "SLLevel", 3);
    Store(config.key, "SLCategory", 0x400000);
    CSysLog stored;
    EXPECT_STREQ("C:\\logs\\stored.log", stored.GetLogFile());
    EXPECT_EQ(1000u, stored.GetLogFileSize());
    EXPECT_EQ(3u, stored.GetOptionLevel());
    EXPECT_EQ(0x400000u, stored.GetOptionCate());
    EXPECT_EQ(3u, stored.GetOptionOutput());

    Store(config.key, "LogFile", "");
    CSysLog withoutFile;
    EXPECT_STREQ("", withoutFile.GetLogFile());
}

} // namespace
