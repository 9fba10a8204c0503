#include "QernoConfig.h"
#include "config/FileNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Parts = std::vector<std::string>;

Parts Split(const std::string& path) {
    PathParts parts;
    SplitPathName(path.c_str(), parts);
    return {parts.drive, parts.dir, parts.name, parts.ext};
}

TEST(FileNames, SplitsAtDriveLastSeparatorAndLastDotAfterIt) {
    EXPECT_EQ((Parts{"C:", "\\DATA\\", "A", ".DAT"}), Split("C:\\DATA\\A.DAT"));
    EXPECT_EQ((Parts{"", "a.b/", "name", ""}), Split("a.b/name"));
    EXPECT_EQ((Parts{"", "x\\", ".", "."}), Split("x\\.."));
    EXPECT_EQ((Parts{"", "", "ab:c", ""}), Split("ab:c"));
    EXPECT_EQ((Parts{"C:", "", "", ""}), Split("C:"));

    const std::string longDir(300, 'd'), longName(300, 'n'), longExt(300, 'e');
    const Parts cut = Split("C:\\" + longDir + "\\" + longName + "." + longExt);
    EXPECT_EQ("\\" + longDir.substr(0, kDirSize - 2), cut[1]);
    EXPECT_EQ(longName.substr(0, kFileNameSize - 1), cut[2]);
    EXPECT_EQ("." + longExt.substr(0, kExtSize - 2), cut[3]);
}

std::string FullName(const std::string& dir, const std::string& name) {
    std::vector<char> out(kPathSize + 1, '#');
    GetFullFileName(dir.c_str(), name.c_str(), out.data());
    EXPECT_EQ('#', out[kPathSize]) << "written past the buffer";
    return out.data();
}

// Folder and base names of ordinary paths are compared with the run-time splitter under Wine.
TEST(FileNames, DriveFolderBaseAndFullNames) {
    EXPECT_EQ(3, GetDrive("c:\\x"));

    char out[kPathSize];
    GetFileDirName("a\\\\b", out);
    EXPECT_STREQ("a\\", out) << "only one backslash comes off";
    EXPECT_TRUE(
        GetBaseFileName((std::string(300, 'n') + "." + std::string(300, 'e')).c_str(), out));
    EXPECT_EQ(kPathSize - 1, std::string(out).size());

    EXPECT_EQ("C:\\DATA\\A.DAT", FullName("C:\\DATA", "A.DAT"));
    EXPECT_EQ("C:\\DATA\\A.DAT", FullName("C:\\DATA\\", "A.DAT"));
    EXPECT_EQ("A.DAT", FullName("", "A.DAT"));
    const std::string dir(250, 'd'), name(20, 'n');
    EXPECT_EQ((dir + "\\" + name).substr(0, kPathSize - 1), FullName(dir, name));
}

std::string Root(const std::string& path) {
    char root[kDiskPathSize];
    DiskRootOfPath(path.c_str(), root);
    return root;
}

TEST(FileNames, DiskRootAndClampedFreeBytes) {
    EXPECT_EQ("C:\\", Root("C:\\DATA\\A.DAT"));
    EXPECT_EQ("C:", Root("C:"));
    EXPECT_EQ("\\\\server\\share", Root("\\\\server\\share"));
    // The copy is cut before the colon is looked for.
    EXPECT_EQ(std::string(kDiskPathSize - 1, 'x'), Root(std::string(200, 'x') + ":\\y"));
    const std::string nearEnd(kDiskPathSize - 3, 'x');
    EXPECT_EQ(nearEnd + ":\\", Root(nearEnd + ":\\y"));

    EXPECT_EQ(4096L * 1000, FreeBytesClamped(1000, 8, 512));
    EXPECT_EQ(0x7FFFFFFFL - 4095, FreeBytesClamped(524287, 8, 512));
    EXPECT_EQ(0x7FFFFFFFL, FreeBytesClamped(524288, 8, 512));
    EXPECT_EQ(0x7FFFFFFFL, FreeBytesClamped(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF));
    EXPECT_EQ(0, FreeBytesClamped(0xFFFFFFFF, 0, 512));
}

} // namespace
