// Names, existence tests, file access and free space on a real folder under the temporary
// folder. Prompt texts cannot be read off the boxes, so they are looked for in the log.
#include "Qerno.h"
#include "support/BoxCloser.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"

#include <fstream>
#include <functional>
#include <string>

namespace {

class FileAccess : public LibraryHostTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
        std::ofstream(file_, std::ios::binary) << "0123456789";
    }
    void TearDown() override {
        DeleteFileA(file_.c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    LogCapture log_{"qerno-file-access.log"};
    const std::string dir_ = TempFilePath("qerno_files_" + std::to_string(GetCurrentProcessId()));
    const std::string file_ = dir_ + "\\A.DAT";
};

// How names split is checked natively; here, the extension the resource module gives.
TEST_F(FileAccess, ExtensionsChangeAtTheLastDot) {
    char changed[MAX_PATH] = "C:\\DATA\\A.V2.DAT";
    EXPECT_EQ(1, ChangeFileExtName(changed, 11005));
    EXPECT_EQ("C:\\DATA\\A.V2" + ResourceString(11005), changed);
    EXPECT_EQ(1, ChangeFileExtName(changed, "a.b\\name", 11005));
    EXPECT_EQ("a" + ResourceString(11005), changed);
}

TEST_F(FileAccess, ExistenceTestsTellFilesFromFoldersAndNeverPrompt) {
    BoxCloser closer;
    EXPECT_TRUE(CheckIfFileExists(file_.c_str()));
    EXPECT_FALSE(CheckIfFileExists(dir_.c_str()));
    EXPECT_FALSE(CheckIfFileExists(""));
    EXPECT_TRUE(CheckPathExist(dir_.c_str()));
    EXPECT_FALSE(CheckPathExist((dir_ + "\\B.DAT").c_str()));
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
    EXPECT_EQ(2u, closer.titles().size());
    EXPECT_EQ(1, log_.Count("SUB\\A.DAT : " + ResourceString(12125)));
    EXPECT_EQ(1, log_.Count("C:A.DAT : " + ResourceString(12125)));
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
    const struct {
        std::function<void()> fail;
        unsigned int id;
    } cases[] = {
        {[&] { EXPECT_FALSE(MyHRead(file, buffer, sizeof buffer, host(), "Cut")); }, 0}, // short
        {[&] { EXPECT_FALSE(MyHRead(file, buffer, 10, host(), nullptr)); }, 12027}, // at the end
        {[&] { EXPECT_FALSE(MyHWrite(file, "abc", 3, host(), nullptr)); }, 12024},  // read only
        {[&] { EXPECT_EQ(0xFFFFFFFFu, MySeek(file, -1, FILE_BEGIN, host(), nullptr)); }, 12025},
        {[&] { EXPECT_FALSE(MySeekPos(file, -1, host(), nullptr)); }, 12025},
        {[&] { EXPECT_EQ(0u, _MyHRead(nullptr, buffer, 4, host(), nullptr)); }, 12023},
        {[&] { EXPECT_FALSE(MyClose(nullptr, host(), nullptr)); }, 12026},
    };
    ASSERT_TRUE(MySeekPos(file, 6, host(), nullptr));
    for (const auto& c : cases) {
        const std::string text = c.id ? ResourceString(c.id) : "Cut";
        const int before = log_.Count(text);
        BoxCloser closer;
        c.fail();
        EXPECT_EQ(1u, closer.titles().size()) << text;
        EXPECT_EQ(before + 1, log_.Count(text)) << text;
    }
    EXPECT_EQ("6789", std::string(buffer, 4)) << "a short read gives what the file has";
    EXPECT_TRUE(MyClose(file, host(), nullptr));
}

TEST_F(FileAccess, AMissingFilePromptsOnlyWithAWindow) {
    const std::string missing = dir_ + "\\B.DAT";
    BoxCloser closer;
    EXPECT_EQ(INVALID_HANDLE_VALUE, MyOpenFile(missing.c_str(), 0, nullptr));
    EXPECT_EQ("", log_.Text());
    EXPECT_TRUE(closer.titles().empty());
    EXPECT_EQ(INVALID_HANDLE_VALUE, MyOpenFile(missing.c_str(), 2, host()));
    EXPECT_EQ(1u, closer.titles().size());
    EXPECT_EQ(1, log_.Count(missing));
}

TEST_F(FileAccess, FreeSpaceOrZeroWithARecordButNoPrompt) {
    // Whether the count is clamped is checked natively; this drive surely has some room.
    EXPECT_GT(GetFreeDiskSpace(file_.c_str()), 0);
    BoxCloser closer;
    EXPECT_EQ(0, GetFreeDiskSpace("no\\drive\\here"));
    EXPECT_TRUE(closer.titles().empty());
    EXPECT_EQ(1, log_.Count("GetDiskFreeSpace():"));
}

} // namespace
