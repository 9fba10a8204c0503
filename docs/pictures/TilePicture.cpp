// The tile format DrawArrowLine and the fancy borders take: the bits of one tile enlarged on
// their grid, and the same tile laid along lines in both colour rules.
#include "Pictures.h"
#include "Qerno.h"

#include <array>
#include <string>

namespace {

constexpr int kSide = 16;
constexpr int kRowBytes = 2;
using Tile = std::array<char, kSide * kRowBytes>;

constexpr int kCell = 14;
constexpr int kGridLeft = 40;
constexpr int kGridTop = 48;
constexpr int kGridSide = kSide * kCell;

constexpr COLORREF kSetInk = RGB(0, 0, 110);
constexpr COLORREF kClearInk = RGB(255, 200, 0);
constexpr COLORREF kGround = RGB(225, 225, 225);
constexpr COLORREF kLineInk = RGB(220, 0, 0);
constexpr int kLength = 32;

// A tab over the top-left quarter tells the tile's top and start apart, an arrow on the middle
// rows points along x.
bool IsSet(int column, int row) {
    if (row < 2)
        return column < 8;
    const int across = row < 8 ? 7 - row : row - 8; // 0 on the two middle rows
    if (across == 0 && column < 6)
        return true;
    return across <= 3 && column >= 6 && column <= 13 - 2 * across;
}

Tile BuildTile() {
    Tile tile = {};
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column)
            if (IsSet(column, row))
                tile[kRowBytes * row + column / 8] |= static_cast<char>(0x80 >> column % 8);
    return tile;
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void Line(HDC dc, POINT from, POINT to, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

void PaintGrid(HDC dc, const Tile& tile) {
    DrawLabel(dc, kGridLeft + 4 * kCell - 16, kGridTop - 36, "byte 0");
    DrawLabel(dc, kGridLeft + 12 * kCell - 16, kGridTop - 36, "byte 1");
    for (int column = 0; column < kSide; ++column)
        DrawLabel(dc, kGridLeft + column * kCell + 4, kGridTop - 18,
                  std::to_string(7 - column % 8).c_str());
    for (int row = 0; row < kSide; ++row) {
        DrawLabel(dc, kGridLeft - 22, kGridTop + row * kCell, std::to_string(row).c_str());
        for (int column = 0; column < kSide; ++column) {
            const bool set = tile[kRowBytes * row + column / 8] & (0x80 >> column % 8);
            const int x = kGridLeft + column * kCell, y = kGridTop + row * kCell;
            Fill(dc, {x, y, x + kCell, y + kCell}, set ? kSetInk : kClearInk);
        }
    }
    for (int i = 0; i <= kSide; ++i) {
        const int at = i * kCell;
        const COLORREF rule = i == 8 ? RGB(0, 0, 0) : RGB(150, 150, 150);
        Line(dc, {kGridLeft + at, kGridTop}, {kGridLeft + at, kGridTop + kGridSide}, rule);
        Line(dc, {kGridLeft, kGridTop + at}, {kGridLeft + kGridSide, kGridTop + at}, rule);
    }
    // The line runs along x, through the tile's middle.
    const int middle = kGridTop + kGridSide / 2;
    Line(dc, {kGridLeft - 6, middle}, {kGridLeft + kGridSide + 10, middle}, kLineInk);
    Line(dc, {kGridLeft + kGridSide + 4, middle - 4}, {kGridLeft + kGridSide + 10, middle},
         kLineInk);
    Line(dc, {kGridLeft + kGridSide + 4, middle + 4}, {kGridLeft + kGridSide + 10, middle},
         kLineInk);
    const int below = kGridTop + kGridSide + 8;
    DrawLabel(dc, kGridLeft - 22, below, "row r: bytes 2r and 2r + 1; bit 7 of byte 0 leftmost");
    DrawLabel(dc, kGridLeft - 22, below + 16, "x runs along the line, from p1 towards p2");
    Fill(dc, {kGridLeft - 22, below + 36, kGridLeft - 10, below + 48}, kSetInk);
    DrawLabel(dc, kGridLeft - 4, below + 34, "1 bit: the background colour");
    Fill(dc, {kGridLeft - 22, below + 54, kGridLeft - 10, below + 66}, kClearInk);
    DrawLabel(dc, kGridLeft - 4, below + 52, "0 bit: the text colour, when opaque");
}

void MarkEnds(HDC dc, POINT p1, POINT p2) {
    Line(dc, p1, p2, kLineInk);
    for (const POINT& end : {p1, p2})
        Fill(dc, {end.x - 2, end.y - 2, end.x + 3, end.y + 3}, kLineInk);
}

void DrawTileLine(HDC dc, POINT p1, POINT p2, Tile& tile) {
    DrawArrowLine(dc, p1, p2, nullptr, tile.data(), nullptr, kSide, kSide, kLength, kLength, 0);
    MarkEnds(dc, p1, p2);
}

constexpr COLORREF kLabelInk = RGB(0, 0, 0);

// The tiles' 1 bits in the background colour and their 0 bits, when opaque, in the text colour.
void UseTileColours(HDC dc, bool opaque) {
    SetROP2(dc, R2_COPYPEN);
    SetBkMode(dc, opaque ? OPAQUE : TRANSPARENT);
    SetBkColor(dc, kSetInk);
    SetTextColor(dc, kClearInk);
}

// One horizontal line over a grey ground, so that what the 0 bits leave shows.
void PaintHorizontal(HDC dc, int top, bool opaque, const char* caption, const char* note,
                     Tile& tile) {
    constexpr int left = 330, right = left + 6 * kLength;
    const int y = top + 44;
    Fill(dc, {left - 10, y - 26, right + 10, y + 26}, kGround);
    UseTileColours(dc, opaque);
    DrawTileLine(dc, {left, y}, {right, y}, tile);
    SetTextColor(dc, kLabelInk);
    DrawLabel(dc, left - 30, top, caption);
    DrawLabel(dc, left - 30, y + 30, note);
    DrawLabel(dc, left - 28, y - 7, "p1");
    DrawLabel(dc, right + 14, y - 7, "p2");
}

// Turned with the line: the tile's top row keeps to the left of the way from p1 to p2.
void PaintTurned(HDC dc, Tile& tile) {
    UseTileColours(dc, false);
    DrawTileLine(dc, {680, 40}, {680, 40 + 6 * kLength}, tile);
    DrawTileLine(dc, {730, 40}, {730 + 108, 40 + 144}, tile);
    DrawTileLine(dc, {940, 256}, {940 - 6 * kLength, 256}, tile);
    SetTextColor(dc, kLabelInk);
    DrawLabel(dc, 666, 18, "p1");
    DrawLabel(dc, 666, 40 + 6 * kLength + 4, "p2");
    DrawLabel(dc, 716, 18, "p1");
    DrawLabel(dc, 846, 180, "p2");
    DrawLabel(dc, 946, 249, "p1");
    DrawLabel(dc, 940 - 6 * kLength - 22, 249, "p2");
    DrawLabel(dc, 660, 296, "Turned with the line: the tile's top row stays");
    DrawLabel(dc, 660, 312, "on the left of the way from p1 to p2");
}

bool PaintTileFormat(HDC dc) {
    Tile tile = BuildTile();
    PaintGrid(dc, tile);
    PaintHorizontal(dc, 16, false, "Transparent, R2_COPYPEN: 1 bits in the background colour,",
                    "0 bits leave the picture. Length and thickness 32.", tile);
    PaintHorizontal(dc, 150, true, "Opaque: 1 bits in the background colour,",
                    "0 bits in the text colour.", tile);
    PaintTurned(dc, tile);
    return true;
}

} // namespace

extern const Picture kTileFormatPicture = {"tile-format.png", 980, 350, PaintTileFormat};
