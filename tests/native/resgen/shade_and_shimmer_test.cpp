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

ShadeRecord TableRecord(const std::vector<std::uint8_t>& table, int k) {
    ShadeRecord record{};
    for (int i = 0; i < 8; ++i)
        record[i] = table[8 * k + i];
    return record;
}

} // namespace

TEST(ShadeTable, HoldsThirtyNineRecordsInTableOrder) {
    const std::vector<std::uint8_t> table = BuildShadeTable();
    ASSERT_EQ(table.size(), 312u);
    EXPECT_EQ(TableRecord(table, 0), DensityRecord(0));
    EXPECT_EQ(TableRecord(table, 31), DensityRecord(31));
    EXPECT_EQ(TableRecord(table, 32), HatchRecord(1));
    EXPECT_EQ(TableRecord(table, 38), HatchRecord(7));
}

TEST(ShadeTable, DensityRampRisesAndStaysEven) {
    int previous = 0;
    ShadeRecord previousRecord{};
    for (int k = 0; k < kDensityRecordCount; ++k) {
        const ShadeRecord record = DensityRecord(k);
        EXPECT_GT(Ones(record), previous) << k;
        // A denser record keeps every bit of the lighter one, so shades never flicker.
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(record[row] & previousRecord[row], previousRecord[row]) << k;
        // Up to half density no two 1 bits touch side by side (beyond it no two 0 bits),
        // also across the pattern's wrap, so tiled shades show no lines or clumps.
        const bool sparseOnes = Ones(record) <= 32;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const auto bit = [&](int bx, int by) {
                    return (record[(by + 8) % 8] >> (7 - (bx + 8) % 8)) & 1;
                };
                const int lonely = sparseOnes ? 1 : 0;
                if (bit(x, y) == lonely) {
                    EXPECT_NE(bit(x + 1, y), lonely) << k;
                    EXPECT_NE(bit(x, y + 1), lonely) << k;
                }
            }
        previous = Ones(record);
        previousRecord = record;
    }
    EXPECT_EQ(Ones(DensityRecord(0)), 1);
    EXPECT_EQ(Ones(DensityRecord(31)), 63);
}

TEST(ShadeTable, OverlaysAreOneLineHatchesAndTheirCombinations) {
    const ShadeRecord horizontal = HatchRecord(1);
    EXPECT_EQ(1, std::count(horizontal.begin(), horizontal.end(), 0xFF));
    EXPECT_EQ(7, std::count(horizontal.begin(), horizontal.end(), 0x00));
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(std::bitset<8>(HatchRecord(2)[row]).count(), 1u); // vertical
        EXPECT_EQ(HatchRecord(5)[row], horizontal[row] | HatchRecord(2)[row]);
        EXPECT_EQ(HatchRecord(6)[row], HatchRecord(3)[row] | HatchRecord(4)[row]);
    }
    EXPECT_EQ(Ones(HatchRecord(3)), 8);
    EXPECT_EQ(Ones(HatchRecord(4)), 8);
    // The rising diagonal's top pixel is at the right.
    EXPECT_EQ(HatchRecord(3)[0], 0x01);
    EXPECT_EQ(HatchRecord(4)[0], 0x80);

    std::set<ShadeRecord> distinct;
    for (int k = 0; k < kDensityRecordCount; ++k)
        distinct.insert(DensityRecord(k));
    for (int h = 1; h <= 7; ++h)
        distinct.insert(HatchRecord(h));
    EXPECT_EQ(distinct.size(), 39u);
}

TEST(ShimmerTiles, VerticalBarIsSolidInTheMiddleAndFadesOutward) {
    const qerno::image::MonoImage tile = VerticalShimmerTile();
    ASSERT_EQ(tile.Width(), 16);
    ASSERT_EQ(tile.Height(), 16);
    const auto painted = [&](int x) {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            n += tile.At(x, y) ? 0 : 1; // 0 bits are painted
        return n;
    };
    EXPECT_EQ(painted(7), 16);
    EXPECT_EQ(painted(8), 16);
    EXPECT_EQ(painted(0), 0);
    EXPECT_EQ(painted(15), 0);
    for (int x = 8; x < 15; ++x) {
        EXPECT_GE(painted(x), painted(x + 1)) << x;
        EXPECT_EQ(painted(x), painted(15 - x)) << "not symmetric at " << x;
    }
    // Stacked tiles continue the dither: the pattern repeats every 8 rows.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(tile.At(x, y), tile.At(x, y + 8));
}

TEST(ShimmerTiles, HorizontalBarIsTheVerticalOneTurned) {
    const qerno::image::MonoImage vertical = VerticalShimmerTile();
    const qerno::image::MonoImage horizontal = HorizontalShimmerTile();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(horizontal.At(x, y), vertical.At(y, x));
}
