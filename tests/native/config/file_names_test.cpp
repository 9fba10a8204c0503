#include "QernoConfig.h"
#include "config/ConfigNames.h"
#include "config/FileNames.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Parts = std::vector<std::string>;

TEST(FileNames, DriveFolderNameAndExtensionEachCutToItsBuffer) {
    // Path, folder and name.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"C:A.B.C", "C:", "A.B.C"}, {"a\\b/c", "a\\b/", "c"}, {"a.b\\name", "a.b", "name"},
        {"C:\\", "C:", ""},         {"ab:c", "", "ab:c"},     {".cfg", "", ".cfg"},
        {"a\\\\b", "a\\", "b"},
    };
    for (const auto& [path, dir, base] : rows) {
        char out[kPathSize];
        GetFileDirName(path, out);
        EXPECT_STREQ(dir, out) << path;
        EXPECT_EQ(*base != '\0', GetBaseFileName(path, out) != FALSE) << path;
        EXPECT_STREQ(base, out) << path;
    }

    const std::string dir(300, 'd'), name(300, 'n'), ext(300, 'e');
    PathParts parts;
    SplitPathName(("C:\\" + dir + "\\" + name + "." + ext).c_str(), parts);
    EXPECT_EQ((Parts{"C:", "\\" + dir.substr(0, kDirSize - 2), name.substr(0, kFileNameSize - 1),
                     "." + ext.substr(0, kExtSize - 2)}),
              (Parts{parts.drive, parts.dir, parts.name, parts.ext}));

    char out[kPathSize];
    EXPECT_TRUE(GetBaseFileName((name + "." + ext).c_str(), out));
    EXPECT_EQ(kPathSize - 1, std::string(out).size());
    EXPECT_EQ(3, GetDrive("c:\\x"));
}

// The result, checked to be refused exactly when empty; a guard byte after outSize shows a
// write past it even where the sanitizer cannot.
std::string Replaced(const std::string& name, std::size_t outSize = 260) {
    std::vector<char> out(outSize + 1, '#');
    const bool replaced = ReplaceNameSuffix(name.c_str(), ".cfg", out.data(), outSize);
    EXPECT_EQ(replaced, out[0] != '\0') << name;
    EXPECT_EQ('#', out[outSize]) << "written past outSize";
    return out.data();
}

TEST(FileNames, FullNameDiskRootFreeBytesAndConfigNamesRefusedNotCut) {
    const auto fullName = [](const std::string& dir, const std::string& name) {
        std::vector<char> out(kPathSize + 1, '#');
        GetFullFileName(dir.c_str(), name.c_str(), out.data());
        EXPECT_EQ('#', out[kPathSize]) << "written past the buffer";
        return std::string(out.data());
    };
    EXPECT_EQ("C:\\DATA\\A.DAT", fullName("C:\\DATA", "A.DAT"));
    EXPECT_EQ("C:\\DATA\\A.DAT", fullName("C:\\DATA\\", "A.DAT"));
    EXPECT_EQ("A.DAT", fullName("", "A.DAT"));
    const std::string dir(250, 'd'), name(20, 'n');
    EXPECT_EQ((dir + "\\" + name).substr(0, kPathSize - 1), fullName(dir, name));

    const auto root = [](const std::string& path) {
        char root[kDiskPathSize];
        DiskRootOfPath(path.c_str(), root);
        return std::string(root);
    };
    EXPECT_EQ("C:\\", root("C:\\DATA\\A.DAT"));
    // The copy is cut before the colon is looked for, and the cut stays within the copy.
    EXPECT_EQ(std::string(kDiskPathSize - 1, 'x'), root(std::string(200, 'x') + ":\\y"));
    const std::string nearEnd(kDiskPathSize - 3, 'x');
    EXPECT_EQ(nearEnd + ":\\", root(nearEnd + ":\\y"));

    EXPECT_EQ(0x7FFFFFFFL - 4095, FreeBytesClamped(524287, 8, 512));
    EXPECT_EQ(0x7FFFFFFFL, FreeBytesClamped(524288, 8, 512));
    EXPECT_EQ(0x7FFFFFFFL, FreeBytesClamped(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF));
    EXPECT_EQ(0, FreeBytesClamped(0xFFFFFFFF, 0, 512));

    // The plain case and a directory's dot are checked through the export under Wine.
    EXPECT_EQ("TALK.cfg", Replaced("TALK."));
    EXPECT_EQ("C:\\DOCS\\TALK", Replaced("C:\\DOCS\\TALK"));
    EXPECT_EQ("ABCDE.cfg", Replaced("ABCDE.LMO", 10)); // nine characters fill ten exactly
    EXPECT_EQ("", Replaced("ABCDEF.LMO", 10));
    EXPECT_EQ(std::string(259, 'A'), Replaced(std::string(259, 'A')));

    char out[8] = "old";
    EXPECT_FALSE(ReplaceNameSuffix(nullptr, ".cfg", out, sizeof out));
    EXPECT_STREQ("", out);
    EXPECT_FALSE(ReplaceNameSuffix("a.b", ".cfg", out, 0));
}

} // namespace
