#include "Qerno.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr unsigned int kLogWindowTitle = 11266;
constexpr unsigned int kMissingString = 1;

// Works on the resource handle alone and gives back whatever the process had before.
class ResourceAccess : public testing::Test {
protected:
    void SetUp() override {
        previous_ = GetRCDllInstance();
        complete_ = LoadLibraryA("QernoRes.dll");
        withoutFancy_ = LoadLibraryA("QernoResNoFancy.dll");
        ASSERT_NE(nullptr, complete_);
        ASSERT_NE(nullptr, withoutFancy_);
        SetRCDllInstance(complete_);
    }
    void TearDown() override {
        SetRCDllInstance(previous_);
        FreeLibrary(withoutFancy_);
        FreeLibrary(complete_);
    }

    HINSTANCE previous_ = nullptr;
    HINSTANCE complete_ = nullptr;
    HINSTANCE withoutFancy_ = nullptr;
};

// Without a module the system would search the host's own file instead.
TEST_F(ResourceAccess, WithoutAModuleNothingIsFound) {
    SetRCDllInstance(nullptr);
    unsigned long size = 123;
    EXPECT_EQ(nullptr, LoadResourceData(5803, size));
    EXPECT_EQ(0u, size);
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

    size = 99;
    EXPECT_EQ(nullptr, LoadResourceData(4242, size));
    EXPECT_EQ(0u, size);
}

TEST_F(ResourceAccess, SwitchingTheModuleSwitchesStringsAndData) {
    unsigned long size = 0;
    EXPECT_NE(nullptr, LoadResourceData(5804, size));

    SetRCDllInstance(withoutFancy_);
    EXPECT_EQ(nullptr, LoadResourceData(5804, size));
    const char* table = LoadResourceData(5803, size);
    ASSERT_NE(nullptr, table);
    MEMORY_BASIC_INFORMATION where = {};
    ASSERT_TRUE(VirtualQuery(table, &where, sizeof where));
    EXPECT_EQ(reinterpret_cast<HMODULE>(withoutFancy_), where.AllocationBase);
    EXPECT_FALSE(ResourceString(kLogWindowTitle).empty());
}

} // namespace
