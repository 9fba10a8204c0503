// Arrow lines and fancy borders read back pixel by pixel, in opaque mode: a tile's 0 bits in the
// text colour (red), its 1 bits in the background colour (blue).
#include "RenderTestSupport.h"

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

// Tiles 16 x 16 laid 16 long and 16 thick: start inked in its top half, middle all over, end
// in its left half. The middle run's rest of 4 widens its 4 tiles to 17.
TEST_F(ArrowLines, TilesLandOnTheirAnchors) {
    std::string start = MakeTile('T'), middle = MakeTile('A'), end = MakeTile('L');
    DrawArrowLine(dc_, {10, 20}, {110, 20}, start.data(), middle.data(), end.data(), 16, 16, 16, 16,
                  0);
    const auto expected = [&](int x, int y) {
        if (x < 10 || x >= 110 || y < 12 || y >= 28)
            return kWhite;
        const bool inked = (x >= 26 && x < 94) || (x < 26 && y < 20) || (x >= 94 && x < 102);
        return inked ? kRed : kBlue;
    };
    EXPECT_EQ("", Mismatch(canvas_, 120, 96, expected));
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

// Where y runs up, borders around the same places on the screen take the same pixels as in
// device units: the rectangle's frame, corners turning the way they turn on the screen, tiles
// upright along their lines.
TEST_F(FancyBorders, MappingTurningYUpDrawsAsInDeviceUnits) {
    std::string start = MakeTile('T'), middle = MakeTile('A'), end = MakeTile('L');
    const auto rectangle = [](HDC dc, RowOf y) {
        POINT corners[] = {{8, y(8)}, {88, y(88)}};
        PaintFcRect(dc, corners, 16, 5);
    };
    const auto polygon = [](HDC dc, RowOf y) {
        POINT square[] = {{16, y(16)}, {80, y(16)}, {80, y(80)}, {16, y(80)}, {16, y(16)}};
        PaintFcPolygon(dc, square, 16, 5, 5);
    };
    const auto arrow = [&](HDC dc, RowOf y) {
        DrawArrowLine(dc, {10, y(90)}, {110, y(40)}, start.data(), middle.data(), end.data(), 16,
                      16, 16, 12, 0);
    };
    EXPECT_EQ("", MismatchTurningYUp(120, 140, OPAQUE, rectangle)) << "rectangle";
    EXPECT_EQ("", MismatchTurningYUp(120, 140, OPAQUE, polygon)) << "polygon";
    EXPECT_EQ("", MismatchTurningYUp(120, 140, OPAQUE, arrow)) << "arrow";
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
    EXPECT_EQ(0, canvas_.CountDrawn());
}

} // namespace
