#include "fancy_styles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <set>

using namespace qerno::resgen;

namespace {

const std::vector<FancyStyle>& Styles() {
    static const std::vector<FancyStyle> styles = FancyStyles();
    return styles;
}

// A line of 16 pixels as bits, pixel i in bit i.
template <typename Inked> unsigned Line(Inked inked) {
    unsigned line = 0;
    for (int i = 0; i < 16; ++i)
        line |= unsigned{inked(i)} << i;
    return line;
}

// Ink in one line with no ink beside it (same place or one off) in the other, counted both
// ways: 0 when one line runs on into the other.
std::size_t Mismatch(unsigned a, unsigned b) {
    const auto beside = [](unsigned line) { return line | line << 1 | line >> 1; };
    return std::bitset<16>(a & ~beside(b)).count() + std::bitset<16>(b & ~beside(a)).count();
}

} // namespace

TEST(Tile16, RecordIsRowsOfTwoBytesWithTheLeftmostPixelInBit7) {
    Tile16 tile;
    for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {8, 1}, {7, 15}})
        tile.Set(x, y);
    TileRecord expected = {0x80, 0x01, 0x00, 0x80};
    expected[30] = 0x01;
    EXPECT_EQ(expected, tile.Record());
}

// Every style is an edge then a corner record, inked but not solid, and unlike any other.
TEST(FancyStyles, TableHoldsEdgeThenCornerOfEachDistinctStyleWhoseCornerContinuesTheEdge) {
    ASSERT_EQ(Styles().size(), 102u);
    const std::vector<std::uint8_t> table = BuildFancyTable(Styles());
    ASSERT_EQ(table.size(), 6528u);
    std::set<std::pair<TileRecord, TileRecord>> seen;
    for (std::size_t n = 0; n < Styles().size(); ++n) {
        const TileRecord edge = Styles()[n].edge.Record(), corner = Styles()[n].corner.Record();
        EXPECT_TRUE(std::equal(edge.begin(), edge.end(), table.begin() + 64 * n) &&
                    std::equal(corner.begin(), corner.end(), table.begin() + 64 * n + 32));
        for (const Tile16& tile : {Styles()[n].edge, Styles()[n].corner})
            EXPECT_TRUE(tile.InkCount() > 8 && tile.InkCount() < 256);
        EXPECT_TRUE(seen.insert({edge, corner}).second) << "style " << n;
    }

    // The corner's left column takes over from the last edge tile as the next edge tile would,
    // and its bottom row leads into the right edge (the edge turned) as an edge column does. The
    // hairline's straight rule runs on exactly.
    for (std::size_t n = 0; n < Styles().size(); ++n) {
        const Tile16 &edge = Styles()[n].edge, &corner = Styles()[n].corner;
        const unsigned first = Line([&](int y) { return edge.At(0, y); }),
                       last = Line([&](int y) { return edge.At(15, y); }),
                       left = Line([&](int y) { return corner.At(0, y); }),
                       bottom = Line([&](int x) { return corner.At(15 - x, 15); });
        EXPECT_EQ(Mismatch(left, first), 0u) << "style " << n << " enters its corner badly";
        EXPECT_EQ(std::min(Mismatch(bottom, first), Mismatch(bottom, last)), 0u) << "leaving";
        EXPECT_TRUE(n > 0 || (first == last && left == first)) << "the hairline";
    }
}
