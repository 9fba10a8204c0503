// Fancy styles laid along geometry: rectangles in two styles and two widths, polygons with right
// angles and with a diagonal edge, a polyline, straight lines fanning out at several angles, and
// arrow lines whose tail, dashes and head are tiles built here.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <array>
#include <string>

namespace {

constexpr int kMargin = 20;
constexpr int kHeadingGap = 24;
constexpr int kStyles[] = {25, 74};
constexpr int kWidths[] = {16, 24};
constexpr unsigned short kBeads = 61;
constexpr unsigned short kRule = 7;

// The tiles' 1 bits are the motif: in transparent mode DrawCharBitmap paints just those, in the
// background colour.
void UseInk(HDC dc, COLORREF ink) {
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, ink);
}

void PaintRectangles(HDC dc, int y) {
    DrawSceneHeading(dc, kMargin, y,
                     "PaintFcRect: styles 25 and 74, each 16 and 24 wide, on 192 x 144 rectangles");
    y += kHeadingGap;
    int x = kMargin;
    for (int style : kStyles) {
        for (int width : kWidths) {
            DrawSceneText(dc, x, y,
                          "style " + std::to_string(style) + ", width " + std::to_string(width));
            POINT corners[] = {{x, y + 18}, {x + 192, y + 18 + 144}};
            UseInk(dc, style == kStyles[0] ? RGB(0, 70, 140) : RGB(140, 40, 0));
            PaintFcRect(dc, corners, static_cast<unsigned char>(width),
                        static_cast<unsigned short>(style));
            x += 192 + 56;
        }
    }
}

void PaintPaths(HDC dc, int y) {
    DrawSceneHeading(dc, kMargin, y,
                     "PaintFcPolygon with right and left turns; with a diagonal edge (no corner "
                     "pieces at its ends); PaintFcPolyline");
    y += kHeadingGap;
    const int top = y + 10;
    UseInk(dc, RGB(0, 100, 40));
    // Clockwise, so the inner corner of the L is the one left turn.
    POINT ell[] = {{40, top},        {136, top},      {136, top + 80}, {232, top + 80},
                   {232, top + 160}, {40, top + 160}, {40, top}};
    PaintFcPolygon(dc, ell, 16, kStyles[1], 7);

    POINT wedge[] = {{300, top}, {468, top}, {468, top + 168}, {300, top}};
    PaintFcPolygon(dc, wedge, 16, kStyles[0], 4);

    UseInk(dc, RGB(110, 0, 110));
    POINT stairs[] = {{540, top + 160}, {540, top + 112}, {620, top + 112},
                      {620, top + 56},  {700, top + 56},  {700, top},
                      {800, top},       {800, top + 96},  {980, top + 96}};
    PaintFcPolyline(dc, stairs, 16, kBeads, 9);
}

void PaintLineFan(HDC dc, int y) {
    DrawSceneHeading(dc, kMargin, y, "PaintFcLine at 0, 15, 30, 45, 60, 75 and 90 degrees");
    const POINT origin = {kMargin + 20, y + kHeadingGap + 10};
    UseInk(dc, RGB(0, 70, 140));
    for (int angle = 0; angle <= 90; angle += 15) {
        POINT ends[] = {origin,
                        {origin.x + Lumo_GetCos(angle) * 260 / 10000,
                         origin.y + Lumo_GetSin(angle) * 260 / 10000}};
        PaintFcLine(dc, ends, 12, kRule);
    }
}

using Tile = std::array<char, 32>; // 16 x 16, rows of 2 bytes

Tile BuildTile(bool (*inked)(int column, int row)) {
    Tile tile = {};
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            if (inked(column, row))
                tile[2 * row + column / 8] |= static_cast<char>(0x80 >> column % 8);
    return tile;
}

// Distance from the tile's middle line, doubled so that it stays whole: 1 on rows 7 and 8.
int Across(int row) {
    return row < 8 ? 15 - 2 * row : 2 * row - 15;
}

bool ArrowHead(int column, int row) {
    return Across(row) <= 2 * (15 - column) + 1;
}
bool Tail(int column, int row) {
    return Across(row) <= 3 || (column - Across(row) / 2 + 16) % 8 < 3;
}
bool Dash(int column, int row) {
    return Across(row) <= 3 && column < 10;
}

void DrawArrow(HDC dc, POINT from, POINT to, const Tile* tiles, int length) {
    DrawArrowLine(dc, from, to, const_cast<char*>(tiles[0].data()),
                  const_cast<char*>(tiles[1].data()), const_cast<char*>(tiles[2].data()), 16, 16,
                  length, 14, 0);
}

void PaintArrows(HDC dc, int y) {
    DrawSceneHeading(dc, 400, y, "DrawArrowLine: a tail, dashes and a head built here");
    const Tile tiles[] = {BuildTile(Tail), BuildTile(Dash), BuildTile(ArrowHead)};
    UseInk(dc, RGB(160, 20, 20));
    // A circuit along the axes.
    const int top = y + kHeadingGap + 20;
    DrawArrow(dc, {420, top}, {640, top}, tiles, 16);
    DrawArrow(dc, {660, top + 20}, {660, top + 200}, tiles, 16);
    DrawArrow(dc, {640, top + 220}, {420, top + 220}, tiles, 16);
    DrawArrow(dc, {400, top + 200}, {400, top + 20}, tiles, 16);

    // Slopes of 3 to 4, where a point 15 units along lands exactly 15 units away.
    const POINT centre = {850, top + 110};
    const POINT slopes[] = {{4, 3}, {-4, 3}, {-4, -3}, {4, -3}, {3, 4}, {-3, -4}};
    for (const POINT& slope : slopes)
        DrawArrow(dc, {centre.x + 8 * slope.x, centre.y + 8 * slope.y},
                  {centre.x + 30 * slope.x, centre.y + 30 * slope.y}, tiles, 15);
    // Truncation leaves the point a tile length along a 30-degree line nearer than a tile.
    DrawSceneText(dc, 440, top + 40, "At 30 degrees the end tiles come");
    DrawSceneText(dc, 440, top + 54, "a unit short: no head, no tail");
    DrawArrow(dc, {440, top + 190}, {440 + 173, top + 190 - 100}, tiles, 16);
}

void PaintBorders(HDC dc, const RECT&) {
    const int savedState = SaveDC(dc);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    // Tiles shrunk onto turned boxes keep their motif, the 1 bits, when shrinking ORs pixels.
    SetStretchBltMode(dc, WHITEONBLACK);
    PaintRectangles(dc, kMargin);
    PaintPaths(dc, 216);
    PaintLineFan(dc, 430);
    PaintArrows(dc, 430);
    RestoreDC(dc, savedState);
}

} // namespace

extern const Scene kBorderScene = {"18-borders", "Fancy borders and arrow lines", PaintBorders};
