// The plug-in table's load rules over a scripted list, the key lookup, and aligned blocks.
#include "QernoRender.h"
#include "render/PlugInTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

namespace {

// Entry number -> key, ULONG_MAX for an entry missing a value; a negative count is none. The
// table comes back as "index:entry number" after the built-in "b0".
struct Scripted : plugins::EntrySource {
    std::map<int, unsigned long> entries;
    long count = -1;
    int read = -1;
    std::string taken;

    bool ReadCount(unsigned long& listed) override { return listed = count, count >= 0; }
    bool ReadEntry(int number, unsigned long& key) override {
        key = entries.count(number) ? entries[number] : ULONG_MAX;
        return read = number, key != ULONG_MAX;
    }
    void TakeBuiltIn(int index) override { taken += "b" + std::to_string(index); }
    void TakeEntry(int index) override {
        taken += " " + std::to_string(index) + ":" + std::to_string(read);
    }
};

std::string Load(std::map<int, unsigned long> entries, long count = -1) {
    Scripted source;
    source.entries = std::move(entries);
    source.count = count;
    int keys[plugins::kMaxEntries] = {}, indexOfKey[plugins::kMaxEntries] = {}, loaded = 0;
    EXPECT_EQ(plugins::LoadEntries(source, {keys, indexOfKey, loaded}), loaded);
    for (int i = 0; i < loaded; ++i)
        EXPECT_EQ(i, indexOfKey[keys[i]]) << "entry " << i;
    return source.taken;
}

TEST(PlugInTable, LoadsUpToTheCountAndFirstGapAndLooksKeysUpFallingBackToTheBuiltIn) {
    const std::map<int, unsigned long> five = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}};
    EXPECT_EQ("b0", Load({})) << "no list";
    EXPECT_EQ("b0 1:0 2:1", Load(five, 2));
    EXPECT_EQ("b0 1:0 2:1 3:2 4:3 5:4", Load(five, 0xFFFFFFFFL));
    EXPECT_EQ("b0", Load(five, 0));
    EXPECT_EQ("b0 1:0", Load({{0, 4}, {2, 5}})) << "Shade1 missing";
    EXPECT_EQ("b0 1:1 2:3", Load({{0, 250}, {1, 7}, {2, 200}, {3, 9}}));
    EXPECT_EQ("b0 1:1", Load({{0, 250}, {1, 7}, {2, 8}}, 1)) << "a key passed over is not counted";
    std::map<int, unsigned long> many;
    for (int i = 0; i < 400; ++i)
        many[i] = i + 1;
    const std::string full = Load(many);
    EXPECT_EQ(" 199:198", full.substr(full.rfind(' '))) << "full at 200 entries";

    int indexOfKey[plugins::kMaxEntries] = {0, 3};
    indexOfKey[9] = 250; // a host's writes out of range
    indexOfKey[10] = -2;
    for (auto [key, entry] : std::map<unsigned int, int>{
             {7, 0}, {1, 3}, {200, 3}, {500, 3}, {UINT_MAX, 3}, {9, 0}, {10, 0}})
        EXPECT_EQ(entry, plugins::EntryOfKey(indexOfKey, key)) << key;
}

TEST(AlignedMemory, OnlyAlignmentsTwoFourAndEightRoundUpInsideTheBlock) {
    for (auto [alignment, address] : std::map<unsigned long, long>{
             {4, 0x1008}, {8, 0x1008}, {2, 0x1006}, {16, 0x1005}, {3, 0x1005}, {0, 0x1005}})
        EXPECT_EQ(address, reinterpret_cast<long>(
                               GetAlignedAddress(reinterpret_cast<void*>(0x1005), alignment)));
    void* start = nullptr;
    void* block = AllocAlignMemory(&start, 13, 8);
    ASSERT_EQ(GetAlignedAddress(block, 8), start);
    static_cast<char*>(start)[12] = 1; // the last byte asked for lies inside the block
    operator delete(block);
    EXPECT_EQ(nullptr, AllocAlignMemory(&start, ULONG_MAX, 8)) << "the sum wraps";
}

} // namespace
