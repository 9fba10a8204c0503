#include "Qerno.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The classification itself is tested natively; here, that the exports reach the module's texts.
TEST(MediaTypes, ClassifiedByTheResourceModulesExtensions) {
    if (!GetRCDllInstance())
        SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    ASSERT_NE(nullptr, GetRCDllInstance());
    EXPECT_EQ(3, GetFileNameType("C:\\Pictures\\Sunset.JPG"));
    EXPECT_EQ(8, CheckPicFileType("a.png"));
    EXPECT_EQ(2, CheckVideoFileType("a.mpeg"));
    EXPECT_EQ(1, CheckIconFileType("a.ico"));
    EXPECT_TRUE(CheckLumoFileType("show.LMO"));
    EXPECT_TRUE(CheckFileType("a.avi", 11364));
}

// The optional MCI drivers as "system.ini" lists them, put back as the test found them.
class OptionalVideoDrivers : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!GetSysLog())
            InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll"));
    }
    void SetUp() override {
        for (Entry& entry : entries_)
            entry.present = GetPrivateProfileStringA("mci", entry.key, "", entry.value,
                                                     sizeof entry.value, "system.ini") > 0;
    }
    void TearDown() override {
        for (const Entry& entry : entries_)
            SetDriver(entry.key, entry.present ? entry.value : nullptr);
    }

    static void SetDriver(const char* key, const char* file) {
        WritePrivateProfileStringA("mci", key, file, "system.ini");
    }

    LogCapture log_{"qerno-media-types.log"};

private:
    struct Entry {
        const char* key;
        bool present;
        char value[MAX_PATH]; // a driver's file name
    };
    Entry entries_[2] = {{"MpegVideo", false, {}}, {"QTWVideo", false, {}}};
};

TEST_F(OptionalVideoDrivers, ListedDriversPlayElseActiveMovieWithOneRecordEach) {
    SetDriver("MpegVideo", "mciqtz32.dll");
    SetDriver("QTWVideo", "mciqtw.drv");
    char name[32]; // longer than any device type name
    EXPECT_EQ(9, GetVideoTypeString(2, name));
    EXPECT_STREQ("MpegVideo", name);
    EXPECT_EQ(8, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(0, log_.Count("not installed"));

    SetDriver("MpegVideo", nullptr);
    SetDriver("QTWVideo", "");
    EXPECT_EQ(11, GetVideoTypeString(2, name));
    EXPECT_STREQ("ActiveMovie", name);
    EXPECT_EQ(11, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(1, log_.Count("MpegVideo not installed -- Using ActiveMovie"));
    EXPECT_EQ(1, log_.Count("QTWVideo not installed -- Using ActiveMovie"));
}

} // namespace
