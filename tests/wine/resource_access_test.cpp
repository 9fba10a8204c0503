#include "Qerno.h"

#include <gtest/gtest.h>

#include <cstring>
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

    static std::string String(unsigned int id) {
        char text[256] = {};
        GetIDStringB(id, text, sizeof text);
        return text;
    }

    HINSTANCE previous_ = nullptr;
    HINSTANCE complete_ = nullptr;
    HINSTANCE withoutFancy_ = nullptr;
};

TEST_F(ResourceAccess, WithoutAModuleNothingIsFound) {
    SetRCDllInstance(nullptr);
    unsigned long size = 123;
    EXPECT_EQ(nullptr, LoadResourceData(5803, size));
    EXPECT_EQ(0u, size);
    char text[16] = "kept";
    EXPECT_EQ(0, GetIDStringB(kLogWindowTitle, text, sizeof text));
}

TEST_F(ResourceAccess, StringsLoadAndCutAtTheBufferSize) {
    const std::string title = String(kLogWindowTitle);
    ASSERT_GT(title.size(), 4u);

    char cut[5];
    std::memset(cut, 'x', sizeof cut);
    EXPECT_EQ(1, GetIDStringB(kLogWindowTitle, cut, sizeof cut));
    EXPECT_EQ(title.substr(0, 4), std::string(cut));

    char text[16];
    EXPECT_EQ(0, GetIDStringB(kMissingString, text, sizeof text));
    EXPECT_EQ(0, GetIDStringB(kLogWindowTitle, text, 0));
}

TEST_F(ResourceAccess, CatAppendsAtTheTerminatorWithinTheRoomLeft) {
    const std::string title = String(kLogWindowTitle);
    char text[64] = "C:";
    EXPECT_EQ(1, CatIDStringB(text, kLogWindowTitle, sizeof text - 2));
    EXPECT_EQ("C:" + title, std::string(text));

    char tight[8] = "C:";
    EXPECT_EQ(1, CatIDStringB(tight, kLogWindowTitle, 3));
    EXPECT_EQ("C:" + title.substr(0, 2), std::string(tight));

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

    unsigned long missingSize = 99;
    EXPECT_EQ(nullptr, LoadResourceData(4242, missingSize));
    EXPECT_EQ(0u, missingSize);
}

TEST_F(ResourceAccess, SwitchingTheModuleSwitchesStringsAndData) {
    unsigned long size = 0;
    EXPECT_NE(nullptr, LoadResourceData(5804, size));

    SetRCDllInstance(withoutFancy_);
    EXPECT_EQ(withoutFancy_, GetRCDllInstance());
    EXPECT_EQ(nullptr, LoadResourceData(5804, size));
    const char* table = LoadResourceData(5803, size);
    ASSERT_NE(nullptr, table);
    MEMORY_BASIC_INFORMATION where = {};
    ASSERT_TRUE(VirtualQuery(table, &where, sizeof where));
    EXPECT_EQ(reinterpret_cast<HMODULE>(withoutFancy_), where.AllocationBase);
    EXPECT_FALSE(String(kLogWindowTitle).empty());
}

} // namespace
