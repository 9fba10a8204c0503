#include "support/LibraryHostTest.h"
#include "support/TestFiles.h"

#include <string>

namespace {

constexpr unsigned int kLogWindowTitle = 11266;
constexpr unsigned int kMissingString = 1;

// Each test may switch the module; the started library's comes back after it.
class ResourceAccess : public LibraryHostTest {
protected:
    void TearDown() override { SetRCDllInstance(started_); }

    const HINSTANCE started_ = GetRCDllInstance();
    inline static const HINSTANCE withoutFancy_ = LoadLibraryA("QernoResNoFancy.dll");
};

// Without a module the system would search the host's own file instead.
TEST_F(ResourceAccess, DataNotFoundIsNullAndEmpty) {
    const struct {
        HINSTANCE module;
        unsigned int id;
    } cases[] = {{started_, 4242}, {withoutFancy_, 5804}, {nullptr, 5803}}; // none last
    for (const auto& c : cases) {
        SetRCDllInstance(c.module);
        unsigned long size = 123;
        EXPECT_EQ(nullptr, LoadResourceData(c.id, size)) << c.id;
        EXPECT_EQ(0u, size) << c.id;
    }
    char text[16] = "kept";
    EXPECT_EQ(0, GetIDStringB(kLogWindowTitle, text, sizeof text));
}

TEST_F(ResourceAccess, StringsAreCutAtTheBufferAndCatCountsTheRoomLeft) {
    const std::string title = ResourceString(kLogWindowTitle);
    ASSERT_GT(title.size(), 4u);
    char cut[5] = "xxxx";
    EXPECT_EQ(1, GetIDStringB(kLogWindowTitle, cut, sizeof cut));
    EXPECT_EQ(title.substr(0, 4), cut);
    EXPECT_EQ(0, GetIDStringB(kMissingString, cut, sizeof cut));
    EXPECT_EQ(0, GetIDStringB(kLogWindowTitle, cut, 0));

    char tight[8] = "C:";
    EXPECT_EQ(1, CatIDStringB(tight, kLogWindowTitle, 3));
    EXPECT_EQ("C:" + title.substr(0, 2), tight);
    char missing[8] = "C:";
    EXPECT_EQ(0, CatIDStringB(missing, kMissingString, 6));
    EXPECT_STREQ("C:", missing);
}

TEST_F(ResourceAccess, DataIsFoundByTheLowSixteenBitsOfItsId) {
    unsigned long size = 0, sizeHigh = 0;
    const char* table = LoadResourceData(5803, size);
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(5184u, size);
    EXPECT_EQ(table, LoadResourceData(0x70000u + 5803, sizeHigh));
    EXPECT_EQ(size, sizeHigh);
}

} // namespace
