#include "Qerno.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// The classification itself is tested natively; here, that the exports reach the module's texts.
TEST(MediaTypes, ClassifiedByTheResourceModulesExtensions) {
    if (!GetRCDllInstance())
        SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    ASSERT_NE(nullptr, GetRCDllInstance());
    EXPECT_EQ(3, GetFileNameType("C:\\Pictures\\Sunset.JPG"));
    EXPECT_EQ(6, GetFileNameType("CDAUDIO"));
    EXPECT_EQ(0, GetFileNameType("app.ico"));
    EXPECT_EQ(8, CheckPicFileType("a.png"));
    EXPECT_EQ(2, CheckVideoFileType("a.mpeg"));
    EXPECT_EQ(1, CheckIconFileType("a.ico"));
    EXPECT_TRUE(CheckLumoFileType("show.LMO"));
    EXPECT_TRUE(CheckFileType("a.avi", 11364));
}

// The optional MCI drivers as "system.ini" lists them, put back as the test found them; the
// library's log writes to a file of the test's own.
class OptionalVideoDrivers : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!GetSysLog()) {
            host_ = CreateWindowA("STATIC", "Qerno test host", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  nullptr, nullptr);
            InitQernoDll(host_, LoadLibraryA("QernoRes.dll"));
        }
    }
    static void TearDownTestSuite() {
        if (host_)
            DestroyWindow(host_);
    }

    void SetUp() override {
        ASSERT_NE(nullptr, GetSysLog());
        for (Entry& entry : entries_) {
            entry.present = GetPrivateProfileStringA("mci", entry.key, "", entry.value,
                                                     sizeof entry.value, "system.ini") > 0;
        }
        CSysLog* log = GetSysLog();
        savedLogFile_ = log->GetLogFile();
        savedOutput_ = log->m_dwOutput;
        char folder[MAX_PATH + 1]; // the temporary directory and its terminator
        GetTempPathA(sizeof folder, folder);
        logFile_ = std::string(folder) + "qerno-media-types.log";
        DeleteFileA(logFile_.c_str());
        // Set directly: SetLogFile would move the library's file and store the name.
        log->m_strLogFile = logFile_.c_str();
        log->m_dwOutput = 1; // the file only
    }
    void TearDown() override {
        for (const Entry& entry : entries_)
            WritePrivateProfileStringA("mci", entry.key, entry.present ? entry.value : nullptr,
                                       "system.ini");
        CSysLog* log = GetSysLog();
        log->m_strLogFile = savedLogFile_.c_str();
        log->m_dwOutput = savedOutput_;
        DeleteFileA(logFile_.c_str());
    }

    static void SetDriver(const char* key, const char* file) {
        WritePrivateProfileStringA("mci", key, file, "system.ini");
    }

    int Logged(const std::string& message) const {
        std::ifstream file(logFile_, std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(file), {});
        int count = 0;
        for (size_t at = text.find(message); at != std::string::npos;
             at = text.find(message, at + 1))
            ++count;
        return count;
    }

private:
    struct Entry {
        const char* key;
        bool present;
        char value[MAX_PATH]; // a driver's file name
    };
    Entry entries_[2] = {{"MpegVideo", false, {}}, {"QTWVideo", false, {}}};
    std::string savedLogFile_, logFile_;
    unsigned long savedOutput_ = 0;
    static HWND host_;
};

HWND OptionalVideoDrivers::host_ = nullptr;

TEST_F(OptionalVideoDrivers, ListedDriversPlayElseActiveMovieWithOneRecordEach) {
    SetDriver("MpegVideo", "mciqtz32.dll");
    SetDriver("QTWVideo", "mciqtw.drv");
    char name[32]; // longer than any device type name
    EXPECT_EQ(9, GetVideoTypeString(2, name));
    EXPECT_STREQ("MpegVideo", name);
    EXPECT_EQ(8, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(0, Logged("not installed"));

    SetDriver("MpegVideo", nullptr);
    SetDriver("QTWVideo", "");
    EXPECT_EQ(11, GetVideoTypeString(2, name));
    EXPECT_STREQ("ActiveMovie", name);
    EXPECT_EQ(11, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(1, Logged("MpegVideo not installed -- Using ActiveMovie"));
    EXPECT_EQ(1, Logged("QTWVideo not installed -- Using ActiveMovie"));
}

} // namespace
