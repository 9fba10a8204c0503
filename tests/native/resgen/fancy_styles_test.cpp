#include "fancy_families.h"
#include "fancy_frames.h"
#include "fancy_styles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace qerno::resgen;
using qerno::image::MonoImage;

namespace {

const std::vector<FancyStyle>& Styles() {
    static const std::vector<FancyStyle> styles = FancyStyles();
    return styles;
}

// Ink in one line of 16 pixels with no ink beside it (same place or one off) in the other
// line, counted both ways: 0 when one line runs on into the other.
template <typename LineA, typename LineB> int Mismatch(LineA a, LineB b) {
    const auto inked = [](auto line, int i) { return i >= 0 && i < 16 && line(i); };
    int count = 0;
    for (int i = 0; i < 16; ++i) {
        count += inked(a, i) && !(inked(b, i - 1) || inked(b, i) || inked(b, i + 1));
        count += inked(b, i) && !(inked(a, i - 1) || inked(a, i) || inked(a, i + 1));
    }
    return count;
}

} // namespace

TEST(FancyStyles, TableHoldsEdgeThenCornerForEachOfTheStyles) {
    ASSERT_EQ(Styles().size(), 102u);
    const std::vector<std::uint8_t> table = BuildFancyTable(Styles());
    ASSERT_EQ(table.size(), 6528u);
    for (int n : {0, 5, 101}) {
        const TileRecord edge = Styles()[n].edge.Record();
        const TileRecord corner = Styles()[n].corner.Record();
        EXPECT_TRUE(std::equal(edge.begin(), edge.end(), table.begin() + 64 * n)) << n;
        EXPECT_TRUE(std::equal(corner.begin(), corner.end(), table.begin() + 64 * n + 32)) << n;
    }
}

TEST(FancyStyles, AllDistinctAndNoneBlank) {
    std::set<std::pair<TileRecord, TileRecord>> seen;
    for (std::size_t n = 0; n < Styles().size(); ++n) {
        const FancyStyle& style = Styles()[n];
        EXPECT_GT(style.edge.InkCount(), 8) << "style " << n;
        EXPECT_GT(style.corner.InkCount(), 8) << "style " << n;
        EXPECT_LT(style.edge.InkCount(), 256) << "style " << n;
        EXPECT_TRUE(seen.insert({style.edge.Record(), style.corner.Record()}).second)
            << "style " << n << " repeats an earlier one";
    }
}

// Tiles side by side show the motif unbroken: the edge tile is the motif over one period, so
// sampling the motif a period further on gives the same pixels.
TEST(FancyStyles, EdgeMotifsRepeatEverySixteenPixels) {
    std::vector<fancy::Design> designs;
    for (auto family : {fancy::RuledLineDesigns, fancy::DotAndFigureDesigns, fancy::NatureDesigns,
                        fancy::GeometricDesigns, fancy::FlowingDesigns})
        for (const fancy::Design& design : family())
            designs.push_back(design);
    ASSERT_EQ(designs.size(), Styles().size());
    for (std::size_t n = 0; n < designs.size(); ++n)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                for (double shift : {-16.0, 16.0, 32.0})
                    ASSERT_EQ(designs[n].edge(x + 0.5 + shift, y + 0.5), Styles()[n].edge.At(x, y))
                        << "style " << n << " at " << x << "," << y;
}

// The corner's left column takes over from the last edge tile as the next edge tile would,
// and its bottom row leads into the right edge (the edge turned) as an edge column does.
TEST(FancyStyles, CornersContinueTheEdges) {
    for (std::size_t n = 0; n < Styles().size(); ++n) {
        const Tile16& edge = Styles()[n].edge;
        const Tile16& corner = Styles()[n].corner;
        const auto edgeColumn = [&](int x) {
            return [&, x](int depth) { return edge.At(x, depth); };
        };
        const auto cornerLeft = [&](int depth) { return corner.At(0, depth); };
        const auto cornerBottom = [&](int depth) { return corner.At(15 - depth, 15); };
        EXPECT_EQ(Mismatch(cornerLeft, edgeColumn(0)), 0)
            << "style " << n << " enters its corner badly";
        EXPECT_EQ(
            std::min(Mismatch(cornerBottom, edgeColumn(0)), Mismatch(cornerBottom, edgeColumn(15))),
            0)
            << "style " << n << " leaves its corner badly";
    }
}

TEST(FancyStyles, RuledLinesMeetExactly) {
    // A straight rule continues unchanged from each edge tile into the next and the corner.
    const FancyStyle& hairline = Styles()[0];
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(hairline.edge.At(0, y), hairline.edge.At(15, y)) << y;
        EXPECT_EQ(hairline.corner.At(0, y), hairline.edge.At(0, y)) << y;
    }
}

TEST(FancyStyles, FramePartsFollowThePaintersTurns) {
    const FancyStyle& style = Styles()[5];
    EXPECT_EQ(FramePartTile(style, 0), style.edge);
    EXPECT_EQ(FramePartTile(style, 3), style.edge.Turned(3));
    EXPECT_EQ(FramePartTile(style, 4), style.corner);
    EXPECT_EQ(FramePartTile(style, 6), style.corner.Turned(2));

    // Chooser cell of 30 x 30: thirds of 10, the top edge piece at (10, 0).
    const MonoImage cell = ChooserCell(style, 30, 30);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            EXPECT_EQ(cell.At(x, y), style.edge.At((x - 10) * 16 / 10, y * 16 / 10));
}
