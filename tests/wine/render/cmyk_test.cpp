// Ink colours through the library's correction table in every packing, and without the table.
#include "RenderTestSupport.h"
#include "support/BoxCloser.h"
#include "support/LogCapture.h"

#include <algorithm>
#include <cstring>

namespace {

using Cmyk = RenderTest;

// The ink amounts of the sixteen values a level nibble can hold.
constexpr int kAmounts[16] = {0,   13,  26,  51,  77,  102, 128, 153,
                              179, 204, 230, 255, 255, 255, 255, 255};

// The colour a word converts to through table (levels past 11 read as 11), or uncorrected
// without one; black adds to each ink.
DWORD Reference(WORD word, const BYTE* table) {
    int level[4];
    for (int i = 0; i < 4; ++i)
        level[i] = word >> 4 * i & 0xF;
    const int entry =
        3 * (std::min(level[0], 11) + 12 * std::min(level[1], 11) + 144 * std::min(level[2], 11));
    DWORD colour = 0x02000000;
    for (int i = 0; i < 3; ++i) {
        const int ink = table ? table[entry + i] : kAmounts[level[i]];
        colour |= (255 - std::min(ink + kAmounts[level[3]], 255)) << 8 * i;
    }
    return colour;
}

TEST_F(Cmyk, EveryColourThroughTheTableInEveryPacking) {
    unsigned long size = 0;
    const BYTE* table = reinterpret_cast<const BYTE*>(LoadResourceData(5803, size));
    ASSERT_TRUE(table && size >= 5184);
    LogCapture log("qerno-cmyk.log");
    for (unsigned value = 0; value <= 0xFFFF; ++value) {
        const WORD word = static_cast<WORD>(value);
        const DWORD expected = Reference(word, table);
        COLOR_ITEM item;
        std::memcpy(&item, &word, sizeof item);
        BYTE split[3], packed[3];
        _CMYKtoRGB(item, &split[0], &split[1], &split[2]);
        CMYKdwordtoRGB(kAmounts[word >> 12] << 24 | kAmounts[word & 0xF] << 16 |
                           kAmounts[word >> 4 & 0xF] << 8 | kAmounts[word >> 8 & 0xF],
                       &packed[0], &packed[1], &packed[2]);
        ASSERT_TRUE(CMYKwordtoRGB(word) == expected && CMYKtoRGB(item) == expected &&
                    CMYKtoCharRGB(item) == (expected ^ 0xFFFFFF) &&
                    RGB(split[0], split[1], split[2]) == (expected & 0xFFFFFF) &&
                    RGB(packed[0], packed[1], packed[2]) == (expected & 0xFFFFFF))
            << std::hex << value;
    }
    EXPECT_EQ(0, log.Count("Cannot lock"));
}

// A start-up on a resource module without the table leaves none; the next start restores it.
TEST_F(Cmyk, WithoutTheTableUncorrectedAndLoggedEachTime) {
    struct Restart {
        ~Restart() { InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll")); }
    } restart;
    {
        BoxCloser closer;
        ASSERT_EQ(0, InitQernoDll(nullptr, LoadLibraryA("QernoResNoCorrection.dll")));
    }
    LogCapture log("qerno-cmyk-fallback.log");
    for (WORD word : {0x0000, 0x000B, 0x0B5A, 0xB000, 0x3FFF})
        EXPECT_EQ(Reference(word, nullptr), CMYKwordtoRGB(word)) << std::hex << word;
    EXPECT_EQ(5, log.Count(ResourceString(11601) + " -- " + ResourceString(11616) +
                           " -- Cannot lock color table, Using default color"));
}

} // namespace
