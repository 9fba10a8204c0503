#include "QernoVocab.h"
#include "support/LibraryHostTest.h"
#include "support/TestFiles.h"

#include <string>
#include <utility>

namespace {

constexpr unsigned int kLogWindowTitle = 11266;
constexpr unsigned int kMissingString = 1;

// Each test may switch the module; the started library's comes back after it.
struct ResourceAccess : LibraryHostTest {
    void TearDown() override { SetRCDllInstance(started_); }

    const HINSTANCE started_ = GetRCDllInstance();
    inline static const HINSTANCE withoutFancy_ = LoadLibraryA("QernoResNoFancy.dll");
};

// Data is found by the low sixteen bits of its id. Without a module the system would search the
// host's own file instead.
TEST_F(ResourceAccess, DataIsFoundByItsIdOrIsNullAndEmpty) {
    unsigned long size = 0, sizeHigh = 0;
    const char* table = LoadResourceData(5803, size);
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(5184u, size);
    EXPECT_EQ(table, LoadResourceData(0x70000u + 5803, sizeHigh));
    EXPECT_EQ(size, sizeHigh);
    const std::pair<HINSTANCE, unsigned int> cases[] = {
        {started_, 4242}, {withoutFancy_, 5804}, {nullptr, 5803}}; // none last
    for (const auto& [module, id] : cases) {
        SetRCDllInstance(module);
        size = 123;
        EXPECT_EQ(nullptr, LoadResourceData(id, size)) << id;
        EXPECT_EQ(0u, size) << id;
    }
    char text[16] = "kept";
    EXPECT_EQ(0, GetIDStringB(kLogWindowTitle, text, sizeof text));
}

TEST_F(ResourceAccess, StringsAndPredefinedNamesAreCutAtTheBufferAndCatCountsTheRoomLeft) {
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

    // An action's and a message's name come from the module, the message's cut to the buffer
    // with the full length returned; a missing one (message 40000) or no module gives "".
    char name[80];
    EXPECT_EQ(24, GetPredefActName(15, name, sizeof name));
    EXPECT_STREQ("Toggle object visibility", name);
    const std::string message = ResourceString(13000);
    char five[6] = "xxxxx";
    EXPECT_EQ(static_cast<int>(message.size()), GetPredefMsgName(1, five, 4));
    EXPECT_EQ(message.substr(0, 3) + '\0' + 'x', std::string(five, 5));
    EXPECT_EQ(0, GetPredefMsgName(40000, name, sizeof name));
    EXPECT_STREQ("", name);
    SetRCDllInstance(nullptr);
    EXPECT_EQ(0, GetPredefActName(15, nullptr, 0));
}

} // namespace
