#include "shade_patterns.h"
#include "shimmer_tiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <set>

using namespace qerno::resgen;

namespace {

int Ones(const ShadeRecord& record) {
    int count = 0;
    for (std::uint8_t row : record)
        count += static_cast<int>(std::bitset<8>(row).count());
    return count;
}

} // namespace

// Records 0 to 31 rise from one 1 bit to 63, each keeping every bit of the lighter one so that
// shades never flicker. Up to half density no two 1 bits touch side by side (beyond it no two
// 0 bits), also across the pattern's wrap, so tiled shades show no lines or clumps.
TEST(ShadeTable, DensityRampRisesNestedAndEvenOverlaysAreHatchesAndTheirCombinations) {
    const std::vector<std::uint8_t> table = BuildShadeTable();
    ASSERT_EQ(table.size(), 312u);
    for (int k = 0; k < 39; ++k)
        EXPECT_TRUE(std::equal(table.begin() + 8 * k, table.begin() + 8 * k + 8,
                               (k < 32 ? DensityRecord(k) : HatchRecord(k - 31)).begin()));
    ShadeRecord lighter{};
    for (int k = 0; k < kDensityRecordCount; ++k) {
        const ShadeRecord record = DensityRecord(k);
        EXPECT_GT(Ones(record), Ones(lighter)) << k;
        const int lonely = Ones(record) <= 32 ? 1 : 0;
        const auto bit = [&](int x, int y) { return record[y % 8] >> (7 - x % 8) & 1; };
        for (int i = 0; i < 64; ++i) {
            EXPECT_EQ(record[i / 8] & lighter[i / 8], lighter[i / 8]) << k;
            if (bit(i % 8, i / 8) == lonely)
                EXPECT_TRUE(bit(i % 8 + 1, i / 8) != lonely && bit(i % 8, i / 8 + 1) != lonely);
        }
        lighter = record;
    }
    EXPECT_EQ(Ones(DensityRecord(0)), 1);
    EXPECT_EQ(Ones(lighter), 63);

    // The crosses combine the horizontal and vertical, and the two diagonals, hatches; the falling
    // diagonal starts top-left (the first three are read back from the module under Wine). None
    // repeats a density record.
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(HatchRecord(5)[row], HatchRecord(1)[row] | HatchRecord(2)[row]);
        EXPECT_EQ(HatchRecord(6)[row], HatchRecord(3)[row] | HatchRecord(4)[row]);
    }
    EXPECT_TRUE(Ones(HatchRecord(4)) == 8 && HatchRecord(4)[0] == 0x80);
    std::set<ShadeRecord> distinct;
    for (int k = 0; k < 39; ++k)
        distinct.insert(k < 32 ? DensityRecord(k) : HatchRecord(k - 31));
    EXPECT_EQ(distinct.size(), 39u);
}

// The vertical bar is solid in its middle two columns and clear at its edges; it repeats every 8
// rows so stacked tiles continue the dither. The horizontal one is it turned.
TEST(ShimmerTiles, VerticalBarSolidInTheMiddleClearAtTheEdgesAndTurnedForHorizontal) {
    const qerno::image::MonoImage tile = VerticalShimmerTile(), across = HorizontalShimmerTile();
    ASSERT_TRUE(tile.Width() == 16 && tile.Height() == 16);
    int painted[16] = {}; // 0 bits of each column
    for (int i = 0; i < 256; ++i) {
        painted[i % 16] += !tile.At(i % 16, i / 16);
        EXPECT_EQ(across.At(i % 16, i / 16), tile.At(i / 16, i % 16));
        EXPECT_EQ(tile.At(i % 16, i / 16), tile.At(i % 16, (i / 16 + 8) % 16));
    }
    EXPECT_TRUE(painted[7] == 16 && painted[8] == 16 && painted[0] == 0 && painted[15] == 0);
}
