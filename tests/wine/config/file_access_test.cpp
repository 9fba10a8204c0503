// Names, existence tests, file access and free space, companion files and project paths, on a
// real folder under the temporary folder. Prompt texts cannot be read off the boxes, so they are
// looked for in the log; profile files are read back as plain text where what reached the disk
// matters.
#include "Qerno.h"
#include "support/BoxCloser.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"

#include <cstring>
#include <fstream>
#include <functional>
#include <string>

namespace {

// A folder holding a file of ten digits, and a document's companion files once a test makes them.
struct FileAccess : LibraryHostTest {
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
        std::ofstream(file_, std::ios::binary) << "0123456789";
    }
    void TearDown() override {
        FlushCfgFile(cfg_.c_str());
        for (const std::string& made : {file_, cfg_, database_})
            DeleteFileA(made.c_str());
        EXPECT_TRUE(RemoveDirectoryA(dir_.c_str())) << "a test left a file in " << dir_;
    }

    LogCapture log_{"qerno-file-access.log"};
    const std::string dir_ = TempFilePath("qerno_files_" + std::to_string(GetCurrentProcessId()));
    const std::string file_ = dir_ + "\\A.DAT";
    const std::string document_ = dir_ + "\\talk.v2.lmo";
    const std::string cfg_ = dir_ + "\\talk.v2" + ResourceString(11005);
    const std::string database_ = dir_ + "\\talk.v2" + ResourceString(11012);
    char result_[260] = ""; // a derived name
};
using ConfigFiles = FileAccess;

// How names split is checked natively; here, the extension the resource module gives.
TEST_F(FileAccess, ExtensionsChangeAtTheLastDotAndDerivedNamesAreCheckedOnlyWhenAsked) {
    char changed[MAX_PATH] = "C:\\DATA\\A.V2.DAT";
    EXPECT_EQ(1, ChangeFileExtName(changed, 11005));
    EXPECT_EQ("C:\\DATA\\A.V2" + ResourceString(11005), changed);
    EXPECT_EQ(1, ChangeFileExtName(changed, "a.b\\name", 11005));
    EXPECT_EQ("a" + ResourceString(11005), changed);

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

// Opening a missing file prompts only with a window to prompt in; the existence tests prompt only
// for a name that holds a folder.
TEST_F(FileAccess, ExistenceTestsTellFilesFromFoldersAndPromptOnlyWhereTheyMust) {
    const std::string missing = dir_ + "\\B.DAT";
    BoxCloser closer;
    EXPECT_EQ(INVALID_HANDLE_VALUE, MyOpenFile(missing.c_str(), 0, nullptr));
    EXPECT_EQ("", log_.Text());
    EXPECT_TRUE(CheckIfFileExists(file_.c_str()));
    EXPECT_FALSE(CheckIfFileExists(dir_.c_str()));
    EXPECT_FALSE(CheckIfFileExists(""));
    EXPECT_TRUE(CheckPathExist(dir_.c_str()));
    EXPECT_FALSE(CheckPathExist(missing.c_str()));
    EXPECT_TRUE(CheckIfPathFileExists((dir_ + "\\").c_str(), "A.DAT"));
    // Too long for OpenFile's name field, and for the composed path.
    EXPECT_FALSE(CheckIfPathFileExists(dir_.c_str(), std::string(150, 'n').c_str()));
    EXPECT_FALSE(CheckIfPathFileExists(dir_.c_str(), std::string(300, 'n').c_str()));
    EXPECT_TRUE(CheckIfBaseFileInPath(host(), "A.DAT", dir_.c_str()));
    EXPECT_FALSE(CheckIfBaseFileInPath(host(), "B.DAT", dir_.c_str()));
    EXPECT_TRUE(closer.titles().empty());

    // A name with a folder is named in the prompt.
    EXPECT_FALSE(CheckIfBaseFile(host(), "SUB\\A.DAT"));
    EXPECT_FALSE(CheckIfBaseFileInPath(host(), "C:A.DAT", dir_.c_str()));
    EXPECT_EQ(INVALID_HANDLE_VALUE, MyOpenFile(missing.c_str(), 2, host()));
    EXPECT_EQ(3u, closer.titles().size());
    EXPECT_EQ(1, log_.Count("SUB\\A.DAT : " + ResourceString(12125)));
    EXPECT_EQ(1, log_.Count("C:A.DAT : " + ResourceString(12125)));
    EXPECT_EQ(1, log_.Count(missing));
}

TEST_F(FileAccess, ReadsWritesAndSeeksWithoutPrompts) {
    BoxCloser closer;
    HANDLE file = MyOpenFile(file_.c_str(), 2, host());
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    char buffer[8] = {};
    EXPECT_TRUE(MySeekPos(file, 4, host(), nullptr));
    EXPECT_TRUE(MyHRead(file, buffer, 3, host(), nullptr));
    EXPECT_EQ("456", std::string(buffer, 3));
    EXPECT_EQ(9u, MySeek(file, 2, FILE_CURRENT, host(), nullptr));
    EXPECT_TRUE(MyHWrite(file, "X", 1, host(), nullptr));
    EXPECT_EQ(0u, MySeek(file, -10, FILE_END, host(), nullptr));
    EXPECT_EQ(8u, _MyHRead(file, buffer, 8, host(), nullptr));
    EXPECT_EQ("01234567", std::string(buffer, 8));
    EXPECT_TRUE(MyClose(file, host(), nullptr));
    EXPECT_TRUE(closer.titles().empty());
    EXPECT_EQ("012345678X", ReadFileBytes(file_));
}

TEST_F(FileAccess, EachFailurePromptsTheCallersTextOrItsOwn) {
    HANDLE file = MyOpenFile(file_.c_str(), 0, host());
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    char buffer[16] = {};
    // In this order from the sixth byte on; id 0 stands for the caller's text "Cut".
    const std::pair<std::function<void()>, unsigned int> cases[] = {
        {[&] { EXPECT_FALSE(MyHRead(file, buffer, sizeof buffer, host(), "Cut")); }, 0}, // short
        {[&] { EXPECT_FALSE(MyHRead(file, buffer, 10, host(), nullptr)); }, 12027}, // at the end
        {[&] { EXPECT_FALSE(MyHWrite(file, "abc", 3, host(), nullptr)); }, 12024},  // read only
        {[&] { EXPECT_EQ(0xFFFFFFFFu, MySeek(file, -1, FILE_BEGIN, host(), nullptr)); }, 12025},
        {[&] { EXPECT_FALSE(MySeekPos(file, -1, host(), nullptr)); }, 12025},
        {[&] { EXPECT_EQ(0u, _MyHRead(nullptr, buffer, 4, host(), nullptr)); }, 12023},
        {[&] { EXPECT_FALSE(MyClose(nullptr, host(), nullptr)); }, 12026},
    };
    ASSERT_TRUE(MySeekPos(file, 6, host(), nullptr));
    for (const auto& [fail, id] : cases) {
        const std::string text = id ? ResourceString(id) : "Cut";
        const int before = log_.Count(text);
        BoxCloser closer;
        fail();
        EXPECT_EQ(1u, closer.titles().size()) << text;
        EXPECT_EQ(before + 1, log_.Count(text)) << text;
    }
    EXPECT_EQ("6789", std::string(buffer, 4)) << "a short read gives what the file has";
    EXPECT_TRUE(MyClose(file, host(), nullptr));
}

TEST_F(FileAccess, FreeSpaceOrZeroWithARecordButNoPrompt) {
    // Whether the count is clamped is checked natively; this drive surely has some room.
    EXPECT_GT(GetFreeDiskSpace(file_.c_str()), 0);
    BoxCloser closer;
    EXPECT_EQ(0, GetFreeDiskSpace("no\\drive\\here"));
    EXPECT_TRUE(closer.titles().empty());
    EXPECT_EQ(1, log_.Count("GetDiskFreeSpace():"));
}

TEST_F(ConfigFiles, PathsReachTheDiskOnFlushUnlessCutAndAMissingOneShowsOneErrorBox) {
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

    // A missing folder shows one error box, naming the file, the key and the path.
    const std::string gone = dir_ + "\\gone";
    ASSERT_NE(0, SetCfgPath(nullptr, cfg_.c_str(), "Sound", gone.c_str()));
    std::strcpy(result_, "old");
    EXPECT_EQ(0, GetCfgPath(nullptr, cfg_.c_str(), "Sound", result_));
    EXPECT_EQ(gone, result_) << "the path read stays in the buffer";
    EXPECT_EQ(1u, closer.titles().size());
    // The log writes the prompt's line feeds as blanks.
    EXPECT_EQ(1, log_.Count("In " + cfg_ + ", the folder set for Sound does not exist: " + gone));
}

} // namespace
