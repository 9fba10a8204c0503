// Arrow lines and fancy borders read back pixel by pixel, in opaque mode: a tile's 0 bits in the
// text colour (red), its 1 bits in the background colour (blue).
#include "RenderTestSupport.h"

#include <vector>

namespace {

constexpr DWORD kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// Ink (0 bits) in the top half ('T'), the left half ('L') or everywhere.
std::string MakeTile(char ink) {
    std::string tile(32, '\0');
    for (int i = 0; i < 32; ++i)
        tile[i] = (ink == 'T' && i >= 16) || (ink == 'L' && i % 2) ? '\xFF' : '\0';
    return tile;
}

class BorderCanvas : public RenderTest {
protected:
    void SetUp() override {
        SetTextColor(dc_, RGB(255, 0, 0));
        SetBkColor(dc_, RGB(0, 0, 255));
    }
    CanvasDC canvas_{120, 96};
    HDC dc_ = canvas_.get();
};
using ArrowLines = BorderCanvas;
using FancyBorders = BorderCanvas;

// A box inked all over ('A') or in its top, left or right half, blue elsewhere.
struct Box {
    RECT r;
    char ink;
};

// Tiles 16 x 16 laid 16 long and 16 thick, given as start, middle and end ('-' for none).
// Along x the middle run's rest of 4 widens its 4 tiles to 17.
TEST_F(ArrowLines, TilesLandOnTheirAnchorsTurnedToTheLine) {
    const struct {
        POINT p1, p2;
        const char* tiles;
        std::vector<Box> boxes;
    } cases[] = {
        {{10, 20},
         {110, 20},
         "TAL",
         {{{10, 12, 26, 28}, 'T'}, {{26, 12, 94, 28}, 'A'}, {{94, 12, 110, 28}, 'L'}}},
        {{20, 10}, {20, 58}, "-T-", {{{12, 10, 28, 58}, 'R'}}}, // turned down
    };
    for (const auto& c : cases) {
        std::string tiles[3];
        char* given[3];
        for (int i = 0; i < 3; ++i) {
            tiles[i] = MakeTile(c.tiles[i]);
            given[i] = c.tiles[i] == '-' ? nullptr : tiles[i].data();
        }
        canvas_.Clear();
        DrawArrowLine(dc_, c.p1, c.p2, given[0], given[1], given[2], 16, 16, 16, 16, 0);
        const auto expected = [&](int x, int y) {
            for (const auto& [r, ink] : c.boxes) {
                if (!PtInRect(&r, {x, y}))
                    continue;
                const int midX = (r.left + r.right) / 2;
                const bool inked = ink == 'A' || (ink == 'T' && y < (r.top + r.bottom) / 2) ||
                                   (ink == 'L' && x < midX) || (ink == 'R' && x >= midX);
                return inked ? kRed : kBlue;
            }
            return kWhite;
        };
        EXPECT_EQ("", Mismatch(canvas_, 120, 96, expected)) << c.tiles;
    }
}

// A style 5 frame of 16-unit tiles around (8, 8)-(88, 88), each part's tile as the table has it:
// the rectangle directly, the clockwise square through its edges with corner tiles at the ends.
TEST_F(FancyBorders, RectangleAndClockwiseSquareLayCornerTilesOnTheCorners) {
    char parts[8][32], scratch[32];
    for (int part = 0; part < 8; ++part)
        ReadFancyFromBuffer(5, part, parts[part], scratch, nullptr);
    ASSERT_NE(std::string(parts[0], 32), std::string(parts[4], 32));
    const auto third = [](int cell) { return cell == 0 ? 0 : cell == 4 ? 2 : 1; };
    const auto expected = [&](int x, int y) {
        if (x < 8 || x >= 88 || y < 8 || y >= 88)
            return kWhite;
        const int part = FramePart(third((x - 8) / 16), third((y - 8) / 16));
        return part < 0 ? kWhite : TileBit(parts[part], (x - 8) % 16, (y - 8) % 16) ? kBlue : kRed;
    };
    POINT corners[] = {{8, 8}, {88, 88}};
    POINT square[] = {{16, 16}, {80, 16}, {80, 80}, {16, 80}, {16, 16}};
    PaintFcRect(dc_, corners, 16, 5);
    EXPECT_EQ("", Mismatch(canvas_, 96, 96, expected)) << "rectangle";
    canvas_.Clear();
    PaintFcPolygon(dc_, square, 16, 5, 5);
    EXPECT_EQ("", Mismatch(canvas_, 96, 96, expected)) << "polygon";
}

TEST_F(FancyBorders, BadInputDrawsNothing) {
    std::string solid = MakeTile('A');
    POINT line[] = {{8, 8}, {80, 8}, {80, 80}};
    char* tile = solid.data();
    DrawArrowLine(dc_, {0, 8}, {90, 8}, nullptr, nullptr, nullptr, 16, 16, 16, 16, 0);
    DrawArrowLine(dc_, {0, 8}, {90, 8}, tile, tile, tile, 0, 16, 16, 16, 0);
    PaintFcRect(dc_, nullptr, 16, 5);
    PaintFcLine(dc_, line, 16, 102);
    PaintFcPolyline(dc_, line, 16, 5, 1);
    PaintFcPolygon(dc_, line, 16, 5, 2);
    PaintFcPolygon(dc_, line, 16, 0xFFFF, 3);
    EXPECT_EQ(0, canvas_.CountDrawn());
}

} // namespace
