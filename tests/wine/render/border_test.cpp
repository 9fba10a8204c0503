// Arrow lines and fancy borders read back pixel by pixel, in opaque mode: a tile's 0 bits in the
// text colour (red), its 1 bits in the background colour (blue).
#include "RenderTestSupport.h"

#include <array>
#include <vector>

namespace {

constexpr DWORD kRed = 0xFF0000;
constexpr DWORD kBlue = 0x0000FF;
constexpr DWORD kWhite = 0xFFFFFF;

using Tile = std::array<char, 32>; // 16 rows of 2 bytes

// Ink (0 bits) in the top half ('T'), the left half ('L') or everywhere.
Tile MakeTile(char ink) {
    Tile tile = {};
    for (int row = 0; row < 16; ++row) {
        tile[2 * row] = ink == 'T' && row >= 8 ? '\xFF' : '\0';
        tile[2 * row + 1] = (ink == 'T' && row >= 8) || ink == 'L' ? '\xFF' : '\0';
    }
    return tile;
}

void InkAndPaper(HDC dc) {
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 0, 255));
}

// A box inked all over ('A') or in its top, left or right half, blue elsewhere.
struct Box {
    RECT r;
    char ink;
};

DWORD ExpectedAt(const std::vector<Box>& boxes, int x, int y) {
    for (const auto& [r, ink] : boxes) {
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom)
            continue;
        const int midX = (r.left + r.right) / 2;
        const bool inked = ink == 'A' || (ink == 'T' && y < (r.top + r.bottom) / 2) ||
                           (ink == 'L' && x < midX) || (ink == 'R' && x >= midX);
        return inked ? kRed : kBlue;
    }
    return kWhite;
}

using ArrowLines = RenderTest;

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
        {{20, 58}, {20, 10}, "--T", {{{12, 10, 28, 26}, 'L'}}}, // turned up
        {{10, 20}, {20, 20}, "-A-", {{{10, 12, 26, 28}, 'A'}}}, // stretched to a whole tile
    };
    CanvasDC canvas(120, 70);
    InkAndPaper(canvas.get());
    for (const auto& c : cases) {
        Tile tiles[3] = {MakeTile(c.tiles[0]), MakeTile(c.tiles[1]), MakeTile(c.tiles[2])};
        char* given[3];
        for (int i = 0; i < 3; ++i)
            given[i] = c.tiles[i] == '-' ? nullptr : tiles[i].data();
        canvas.Clear();
        DrawArrowLine(canvas.get(), c.p1, c.p2, given[0], given[1], given[2], 16, 16, 16, 16, 0);
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 120; ++x)
                ASSERT_EQ(ExpectedAt(c.boxes, x, y), canvas.At(x, y))
                    << c.tiles << " " << x << "," << y;
    }
}

using FancyBorders = RenderTest;

// The frame part in cell (column, row) of a 5 x 5 grid: corners 7, 4, 5, 6 clockwise from the
// top-left, edges 0 to 3 clockwise from the top; -1 inside.
int FramePart(int column, int row) {
    const int side = column == 0 ? 0 : column == 4 ? 2 : 1;
    const int parts[3][3] = {{7, 3, 6}, {0, -1, 2}, {4, 1, 5}}; // [side][row: top, middle, bottom]
    return parts[side][row == 0 ? 0 : row == 4 ? 2 : 1];
}

// A style 5 frame of 16-unit tiles around (8, 8)-(88, 88), each part's tile as the table has it:
// the rectangle directly, the clockwise square through its edges with corner tiles at the ends.
TEST_F(FancyBorders, RectangleAndClockwiseSquareLayCornerTilesOnTheCorners) {
    Tile parts[8];
    Tile scratch;
    for (int part = 0; part < 8; ++part)
        ReadFancyFromBuffer(5, part, parts[part].data(), scratch.data(), nullptr);
    ASSERT_NE(parts[0], parts[4]);

    POINT corners[] = {{8, 8}, {88, 88}};
    POINT square[] = {{16, 16}, {80, 16}, {80, 80}, {16, 80}, {16, 16}};
    CanvasDC canvas(96, 96);
    InkAndPaper(canvas.get());
    for (const char* shape : {"rectangle", "polygon"}) {
        canvas.Clear();
        if (shape[0] == 'r')
            PaintFcRect(canvas.get(), corners, 16, 5);
        else
            PaintFcPolygon(canvas.get(), square, 16, 5, 5);
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 96; ++x) {
                const int part = x >= 8 && x < 88 && y >= 8 && y < 88
                                     ? FramePart((x - 8) / 16, (y - 8) / 16)
                                     : -1;
                const int column = (x - 8) % 16, row = (y - 8) % 16;
                const DWORD expected = part < 0 ? kWhite
                                       : parts[part][2 * row + column / 8] & (0x80 >> column % 8)
                                           ? kBlue
                                           : kRed;
                ASSERT_EQ(expected, canvas.At(x, y)) << shape << " " << x << "," << y;
            }
    }
}

TEST_F(FancyBorders, BadInputDrawsNothing) {
    CanvasDC canvas(96, 96);
    const HDC dc = canvas.get();
    Tile solid = MakeTile('A');
    auto arrow = [&](POINT p1, char* tile, int tileWidth, int length, int thickness) {
        DrawArrowLine(dc, p1, {90, 8}, tile, tile, tile, tileWidth, 16, length, thickness, 0);
    };
    POINT line[] = {{8, 8}, {80, 8}, {80, 80}};
    arrow({0, 8}, nullptr, 16, 16, 16);
    arrow({0, 8}, solid.data(), 16, 0, 16);
    arrow({0, 8}, solid.data(), 16, 16, 0);
    arrow({0, 8}, solid.data(), 0, 16, 16);
    arrow({90, 8}, solid.data(), 16, 16, 16);
    PaintFcRect(dc, line, 0, 5);
    PaintFcRect(dc, nullptr, 16, 5);
    PaintFcLine(dc, line, 16, 102);
    PaintFcPolyline(dc, line, 16, 5, 1);
    PaintFcPolyline(dc, nullptr, 16, 5, 3);
    PaintFcPolygon(dc, line, 16, 5, 2);
    PaintFcPolygon(dc, line, 16, 0xFFFF, 3);
    EXPECT_EQ(0, canvas.CountDrawn());
}

} // namespace
