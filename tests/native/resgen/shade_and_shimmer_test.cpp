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
TEST(ShadeTable, DensityRampRisesNestedAndEven) {
    const std::vector<std::uint8_t> table = BuildShadeTable();
    ASSERT_EQ(table.size(), 312u);
    for (int k = 0; k < 39; ++k)
        EXPECT_TRUE(std::equal(table.begin() + 8 * k, table.begin() + 8 * k + 8,
                               (k < 32 ? DensityRecord(k) : HatchRecord(k - 31)).begin()))
            << k;
    ShadeRecord lighter{};
    for (int k = 0; k < kDensityRecordCount; ++k) {
        const ShadeRecord record = DensityRecord(k);
        EXPECT_GT(Ones(record), Ones(lighter)) << k;
        const int lonely = Ones(record) <= 32 ? 1 : 0;
        const auto bit = [&](int x, int y) { return record[y % 8] >> (7 - x % 8) & 1; };
        for (int i = 0; i < 64; ++i) {
            EXPECT_EQ(record[i / 8] & lighter[i / 8], lighter[i / 8]) << k;
            if (bit(i % 8, i / 8) == lonely)
                EXPECT_TRUE(bit(i % 8 + 1, i / 8) != lonely && bit(i % 8, i / 8 + 1) != lonely)
                    << k << " at " << i % 8 << "," << i / 8;
        }
        lighter = record;
    }
    EXPECT_EQ(Ones(DensityRecord(0)), 1);
    EXPECT_EQ(Ones(lighter), 63);
}

// Horizontal, vertical, the rising diagonal (top pixel at the right), the falling one, then
// crosses of the first two and of the diagonals; none repeats a density record.
TEST(ShadeTable, OverlaysAreOneLineHatchesAndTheirCombinations) {
    const ShadeRecord horizontal = HatchRecord(1);
    EXPECT_EQ(1, std::count(horizontal.begin(), horizontal.end(), 0xFF));
    EXPECT_EQ(7, std::count(horizontal.begin(), horizontal.end(), 0x00));
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(std::bitset<8>(HatchRecord(2)[row]).count(), 1u);
        EXPECT_EQ(HatchRecord(5)[row], horizontal[row] | HatchRecord(2)[row]);
        EXPECT_EQ(HatchRecord(6)[row], HatchRecord(3)[row] | HatchRecord(4)[row]);
    }
    EXPECT_TRUE(Ones(HatchRecord(3)) == 8 && Ones(HatchRecord(4)) == 8);
    EXPECT_TRUE(HatchRecord(3)[0] == 0x01 && HatchRecord(4)[0] == 0x80);
    std::set<ShadeRecord> distinct;
    for (int k = 0; k < 39; ++k)
        distinct.insert(k < 32 ? DensityRecord(k) : HatchRecord(k - 31));
    EXPECT_EQ(distinct.size(), 39u);
}

// The vertical bar is solid in its middle two columns and fades symmetrically outward; it
// repeats every 8 rows so stacked tiles continue the dither. The horizontal one is it turned.
TEST(ShimmerTiles, VerticalBarSolidInTheMiddleFadingOutwardAndTurnedForHorizontal) {
    const qerno::image::MonoImage tile = VerticalShimmerTile(), across = HorizontalShimmerTile();
    ASSERT_TRUE(tile.Width() == 16 && tile.Height() == 16);
    int painted[16] = {}; // 0 bits of each column
    for (int i = 0; i < 256; ++i) {
        painted[i % 16] += !tile.At(i % 16, i / 16);
        EXPECT_EQ(across.At(i % 16, i / 16), tile.At(i / 16, i % 16));
        EXPECT_EQ(tile.At(i % 16, i / 16), tile.At(i % 16, (i / 16 + 8) % 16));
    }
    EXPECT_TRUE(painted[7] == 16 && painted[8] == 16 && painted[0] == 0 && painted[15] == 0);
    for (int x = 8; x < 15; ++x)
        EXPECT_TRUE(painted[x] >= painted[x + 1] && painted[x] == painted[15 - x]) << x;
}
