// Ink colours through the library's correction table in every packing, and without the table.
#include "RenderTestSupport.h"
#include "support/BoxCloser.h"
#include "support/LogCapture.h"

#include <cstring>

namespace {

using Cmyk = RenderTest;

// Levels as nibbles (cyan lowest, black highest) and the same inks as amounts (black, cyan,
// magenta, yellow from the top byte); 0x0C5A reads its yellow 12 as 11.
TEST_F(Cmyk, EachPackingConvertsThroughTheTable) {
    const struct {
        WORD word;
        DWORD amounts, colour;
    } rows[] = {{0x0000, 0x00000000, 0x02FFFFFF}, {0x0001, 0x000D0000, 0x02FFFFED},
                {0x0B5A, 0x00E666FF, 0x02009017}, {0x0C5A, 0x00E666FF, 0x02009017},
                {0x1000, 0x0D000000, 0x02F2F2F2}, {0xFFFF, 0xFFFFFFFF, 0x02000000}};
    LogCapture log("qerno-cmyk.log");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        COLOR_ITEM item;
        std::memcpy(&item, &row.word, sizeof item);
        BYTE split[3], packed[3];
        _CMYKtoRGB(item, &split[0], &split[1], &split[2]);
        CMYKdwordtoRGB(row.amounts, &packed[0], &packed[1], &packed[2]);
        EXPECT_EQ(row.colour, CMYKwordtoRGB(row.word));
        EXPECT_EQ(row.colour, CMYKtoRGB(item));
        EXPECT_EQ(row.colour ^ 0xFFFFFF, CMYKtoCharRGB(item));
        EXPECT_EQ(row.colour & 0xFFFFFF, RGB(split[0], split[1], split[2]));
        EXPECT_EQ(row.colour & 0xFFFFFF, RGB(packed[0], packed[1], packed[2]));
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
    const std::pair<WORD, DWORD> rows[] = {{0x0001, 0x02FFFFF2}, {0x0B5A, 0x02009919}};
    for (const auto& [word, colour] : rows)
        EXPECT_EQ(colour, CMYKwordtoRGB(word)) << std::hex << word;
    EXPECT_EQ(2, log.Count(ResourceString(11601) + " -- " + ResourceString(11616) +
                           " -- Cannot lock color table, Using default color"));
}

} // namespace
