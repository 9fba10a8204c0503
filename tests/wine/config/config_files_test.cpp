// Companion files and project paths against real profile files in a private temporary folder,
// read back as plain text where what reached the disk matters.
#include "Qerno.h"
#include "support/BoxCloser.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"

#include <cstring>
#include <fstream>
#include <string>

namespace {

class ConfigFiles : public LibraryHostTest {
protected:
    void SetUp() override { ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr)); }
    void TearDown() override {
        FlushCfgFile(cfg_.c_str());
        DeleteFileA(cfg_.c_str());
        DeleteFileA(database_.c_str());
        EXPECT_TRUE(RemoveDirectoryA(dir_.c_str())) << "a test left a file in " << dir_;
    }

    const std::string dir_ = TempFilePath("qerno-config-" + std::to_string(GetCurrentProcessId()));
    const std::string document_ = dir_ + "\\talk.v2.lmo";
    const std::string cfg_ = dir_ + "\\talk.v2" + ResourceString(11005);
    const std::string database_ = dir_ + "\\talk.v2" + ResourceString(11012);
    char result_[260] = ""; // a derived name
};

TEST_F(ConfigFiles, DerivedNamesAreCheckedOnlyWhenAsked) {
    EXPECT_EQ(1, GetCfgFileName(nullptr, document_.c_str(), result_, 0));
    EXPECT_EQ(cfg_, result_);
    EXPECT_EQ(1, GetMDBFileName(nullptr, document_.c_str(), result_, 0));
    EXPECT_EQ(database_, result_);
    EXPECT_EQ(0, GetCfgFileName(nullptr, document_.c_str(), result_, 1));
    // The database alone is not enough: its configuration file must be there first.
    std::ofstream(database_) << "x";
    EXPECT_EQ(0, GetMDBFileName(nullptr, document_.c_str(), result_, 1));
    std::ofstream(cfg_) << "x";
    EXPECT_EQ(1, GetMDBFileName(nullptr, document_.c_str(), result_, 1));
    DeleteFileA(database_.c_str());
    EXPECT_EQ(0, GetMDBFileName(nullptr, document_.c_str(), result_, 1));

    // A database named in the configuration file is taken unchecked.
    const std::string elsewhere = "C:\\nowhere\\shared.mdb";
    ASSERT_TRUE(WritePrivateProfileStringA("PATHINFO", "ADBFile", elsewhere.c_str(), cfg_.c_str()));
    EXPECT_EQ(1, GetMDBFileName(nullptr, document_.c_str(), result_, 0));
    EXPECT_EQ(elsewhere, result_);
    EXPECT_EQ(static_cast<int>(elsewhere.size()),
              GetMDBFileName(nullptr, document_.c_str(), result_, 1));
}

TEST_F(ConfigFiles, PathsReachTheDiskOnFlushUnlessTheyWouldReadBackCut) {
    const std::string longest(255, 'p');
    ASSERT_NE(0, SetCfgPath(nullptr, cfg_.c_str(), "Media", dir_.c_str()));
    EXPECT_NE(0, SetCfgPath(nullptr, cfg_.c_str(), "Longest", longest.c_str()));
    EXPECT_EQ(0, SetCfgPath(nullptr, cfg_.c_str(), "TooLong", (longest + "p").c_str()));
    // A null key would otherwise remove the whole section.
    EXPECT_EQ(0, SetCfgPath(nullptr, cfg_.c_str(), nullptr, dir_.c_str()));
    FlushCfgFile(cfg_.c_str());
    const std::string text = ReadFileBytes(cfg_);
    for (const std::string& line :
         {std::string("[PATHINFO]"), "Media=" + dir_, "Longest=" + longest})
        EXPECT_NE(std::string::npos, text.find(line)) << text;
    EXPECT_EQ(std::string::npos, text.find("TooLong")) << text;

    BoxCloser closer;
    EXPECT_EQ(1, GetCfgPath(nullptr, cfg_.c_str(), "Media", result_));
    EXPECT_EQ(dir_, result_);
    EXPECT_TRUE(closer.titles().empty());
}

TEST_F(ConfigFiles, AMissingPathShowsOneErrorBoxWithFileKeyAndPath) {
    const std::string gone = dir_ + "\\gone";
    ASSERT_NE(0, SetCfgPath(nullptr, cfg_.c_str(), "Sound", gone.c_str()));
    LogCapture log("qerno-config-files.log");
    BoxCloser closer;
    std::strcpy(result_, "old");
    EXPECT_EQ(0, GetCfgPath(nullptr, cfg_.c_str(), "Sound", result_));
    EXPECT_EQ(gone, result_) << "the path read stays in the buffer";
    EXPECT_EQ(1u, closer.titles().size());
    // The log writes the prompt's line feeds as blanks.
    EXPECT_EQ(1, log.Count("In " + cfg_ + ", the folder set for Sound does not exist: " + gone));
}

} // namespace
