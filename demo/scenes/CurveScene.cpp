// Smooth curves through placed points, a curve moved as a block, and the hit test shown as a
// grid of sample positions coloured by the span they hit.
#include "Qerno.h"
#include "Scene.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kLineHeight = 18;
constexpr int kSampleStep = 3;

const COLORREF kSpanColours[] = {RGB(210, 40, 40), RGB(240, 150, 0), RGB(40, 160, 60),
                                 RGB(40, 90, 220), RGB(150, 60, 190)};
const COLORREF kMissColour = RGB(215, 215, 225);
const COLORREF kPlacedColour = RGB(200, 0, 0);

void Caption(HDC dc, int x, int y, const char* text) {
    SetTextColor(dc, RGB(0, 0, 128));
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void Square(HDC dc, POINT centre, int half, COLORREF colour) {
    RECT mark = {centre.x - half, centre.y - half, centre.x + half + 1, centre.y + half + 1};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &mark, brush);
    DeleteObject(brush);
}

void MarkPlaced(HDC dc, const std::vector<POINT>& placed) {
    for (const POINT& p : placed)
        Square(dc, p, 3, kPlacedColour);
}

void DrawWithPen(HDC dc, std::vector<POINT>& placed, COLORREF colour, int width) {
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    Curve(dc, placed.data(), static_cast<int>(placed.size()), R2_COPYPEN, pen);
    DeleteObject(pen);
}

// The flattened curve as a block, moved down and drawn again dashed.
void DrawMovedCopy(HDC dc, std::vector<POINT>& placed, int dy) {
    long count = 0;
    HGLOBAL curve = QuickCurve(dc, placed.data(), static_cast<int>(placed.size()), &count);
    if (!curve)
        return;
    OffsetCurve(curve, static_cast<int>(count), 0, dy);
    HPEN pen = CreatePen(PS_DASH, 1, RGB(40, 140, 60));
    HGDIOBJ previous = SelectObject(dc, pen);
    DirectDrawCurve(dc, curve, static_cast<int>(count));
    SelectObject(dc, previous);
    DeleteObject(pen);
    GlobalFree(curve);
}

void PaintPlacedCurves(HDC dc, int left, int top) {
    Caption(dc, left, top, "Curves through placed points (red marks)");
    std::vector<POINT> wave = {{left + 20, top + 120},  {left + 90, top + 50},
                               {left + 160, top + 140}, {left + 240, top + 60},
                               {left + 300, top + 150}, {left + 380, top + 40},
                               {left + 450, top + 110}};
    DrawWithPen(dc, wave, RGB(30, 60, 200), 2);
    MarkPlaced(dc, wave);
    Caption(dc, left, top + 275, "The same curve's points moved by (0, 110) as a block, dashed");
    DrawMovedCopy(dc, wave, 110);

    const int row = top + 330;
    Caption(dc, left, row, "A loop, a sharp turn, and two points (a straight line)");
    std::vector<POINT> loop = {{left + 30, row + 150},  {left + 110, row + 40},
                               {left + 170, row + 130}, {left + 80, row + 140},
                               {left + 140, row + 40},  {left + 220, row + 150}};
    DrawWithPen(dc, loop, RGB(30, 60, 200), 1);
    MarkPlaced(dc, loop);
    std::vector<POINT> turn = {
        {left + 260, row + 60}, {left + 330, row + 60}, {left + 330, row + 160}};
    DrawWithPen(dc, turn, RGB(30, 60, 200), 1);
    MarkPlaced(dc, turn);
    std::vector<POINT> line = {{left + 370, row + 160}, {left + 460, row + 50}};
    DrawWithPen(dc, line, RGB(30, 60, 200), 1);
    MarkPlaced(dc, line);
}

// Every sample position asks which span it is on; the band is 3 pixels wide.
void PaintHitTest(HDC dc, int left, int top) {
    Caption(dc, left, top, "Hit test: samples every 3 pixels, coloured by span 1..5");
    std::vector<POINT> placed = {{left + 30, top + 500},  {left + 110, top + 120},
                                 {left + 220, top + 380}, {left + 330, top + 90},
                                 {left + 400, top + 420}, {left + 450, top + 200}};
    const int n = static_cast<int>(placed.size());
    for (LONG y = top + 2 * kLineHeight; y < top + 560; y += kSampleStep) {
        for (LONG x = left; x < left + 480; x += kSampleStep) {
            const int span = PtInPartCurve(placed.data(), n, {x, y}, dc);
            if (span > 0)
                Square(dc, {x, y}, 1, kSpanColours[(span - 1) % 5]);
            else
                SetPixel(dc, x, y, kMissColour);
        }
    }
    MarkPlaced(dc, placed);
}

void PaintCurves(HDC dc, const RECT& client) {
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    PaintPlacedCurves(dc, kMargin, kMargin);
    PaintHitTest(dc, client.right / 2 + kMargin, kMargin);
}

} // namespace

extern const Scene kCurveScene = {"04-curves", "Spline curves and their hit test", PaintCurves};
