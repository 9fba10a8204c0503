#include "Qerno.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"

#include <string>

namespace {

using MediaTypes = LibraryHostTest;

// The classification itself is tested natively; here, that the exports reach the module's texts.
TEST_F(MediaTypes, ClassifiedByTheResourceModulesExtensions) {
    EXPECT_EQ(3, GetFileNameType("C:\\Pictures\\Sunset.JPG"));
    EXPECT_EQ(8, CheckPicFileType("a.png"));
    EXPECT_EQ(2, CheckVideoFileType("a.mpeg"));
    EXPECT_EQ(1, CheckIconFileType("a.ico"));
    EXPECT_TRUE(CheckLumoFileType("show.LMO"));
    EXPECT_TRUE(CheckFileType("a.avi", 11364));
}

// One optional MCI driver as "system.ini" lists it, put back as the test found it.
class DriverEntry {
public:
    explicit DriverEntry(const char* key) : key_(key) {
        present_ =
            GetPrivateProfileStringA("mci", key, "", saved_, sizeof saved_, "system.ini") > 0;
    }
    ~DriverEntry() { Set(present_ ? saved_ : nullptr); }
    void Set(const char* file) const {
        WritePrivateProfileStringA("mci", key_, file, "system.ini");
    }

private:
    const char* const key_;
    bool present_;
    char saved_[MAX_PATH]; // a driver's file name
};

TEST_F(MediaTypes, ListedVideoDriversPlayElseActiveMovieWithOneRecordEach) {
    const DriverEntry mpeg("MpegVideo"), quickTime("QTWVideo");
    LogCapture log("qerno-media-types.log");
    mpeg.Set("mciqtz32.dll");
    quickTime.Set("mciqtw.drv");
    char name[32]; // longer than any device type name
    EXPECT_EQ(9, GetVideoTypeString(2, name));
    EXPECT_STREQ("MpegVideo", name);
    EXPECT_EQ(8, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(0, log.Count("not installed"));

    mpeg.Set(nullptr);
    quickTime.Set("");
    EXPECT_EQ(11, GetVideoTypeString(2, name));
    EXPECT_STREQ("ActiveMovie", name);
    EXPECT_EQ(11, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(1, log.Count("MpegVideo not installed -- Using ActiveMovie"));
    EXPECT_EQ(1, log.Count("QTWVideo not installed -- Using ActiveMovie"));
}

} // namespace
