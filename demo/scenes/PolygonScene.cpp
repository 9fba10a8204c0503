// Polygons with their parallel outlines, and the hit tests as grids of sample points.
#include "Qerno.h"
#include "Scene.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kLineHeight = 18;
constexpr int kSampleStep = 8;
constexpr int kNearTolerance = 5;

const COLORREF kInsideColour = RGB(200, 40, 40);
const COLORREF kNearColour = RGB(240, 160, 0);
const COLORREF kOutsideColour = RGB(190, 190, 210);

enum class Hit { Inside, Near, Outside };

void Caption(HDC dc, int x, int y, const char* text) {
    SetTextColor(dc, RGB(0, 0, 128));
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void Outline(HDC dc, const std::vector<POINT>& points, COLORREF colour, int style) {
    HPEN pen = CreatePen(style, 1, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    Polyline(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, previous);
    DeleteObject(pen);
}

// Marks a sample point with a small square in its hit colour.
void Sample(HDC dc, POINT p, Hit hit) {
    const COLORREF colour = hit == Hit::Inside ? kInsideColour
                            : hit == Hit::Near ? kNearColour
                                               : kOutsideColour;
    RECT mark = {p.x - 1, p.y - 1, p.x + 2, p.y + 2};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &mark, brush);
    DeleteObject(brush);
}

template <typename Test> void SampleGrid(HDC dc, const RECT& area, Test test) {
    for (LONG y = area.top; y < area.bottom; y += kSampleStep)
        for (LONG x = area.left; x < area.right; x += kSampleStep)
            Sample(dc, {x, y}, test(POINT{x, y}));
}

Hit PolygonHit(std::vector<POINT>& polygon, POINT p) {
    for (std::size_t i = 0; i + 1 < polygon.size(); ++i) {
        if (PtNearLine(polygon[i], polygon[i + 1], p, kNearTolerance))
            return Hit::Near;
    }
    return PtInPolygon(polygon.data(), static_cast<int>(polygon.size()), p) ? Hit::Inside
                                                                            : Hit::Outside;
}

// A closed star listed clockwise on the screen, built with the library's own sines.
std::vector<POINT> Star(POINT centre, int outer, int inner, int tips) {
    std::vector<POINT> star;
    for (int i = 0; i < 2 * tips; ++i) {
        const int radius = i % 2 ? inner : outer;
        const int degrees = -90 + i * 180 / tips;
        star.push_back({centre.x + radius * Lumo_GetCos(degrees) / 10000,
                        centre.y + radius * Lumo_GetSin(degrees) / 10000});
    }
    star.push_back(star.front());
    return star;
}

void PaintStar(HDC dc, int left, int top) {
    Caption(dc, left, top, "Star: grown by 14 (blue), shrunk by 14 (green), samples");
    std::vector<POINT> star = Star({left + 220, top + 250}, 200, 90, 7);
    const RECT area = {left, top + 2 * kLineHeight, left + 440, top + 470};
    SampleGrid(dc, area, [&](POINT p) { return PolygonHit(star, p); });
    std::vector<POINT> grown = star;
    PolygonOffset(grown.data(), 14, static_cast<int>(grown.size()));
    std::vector<POINT> shrunk = star;
    PolygonOffset(shrunk.data(), -14, static_cast<int>(shrunk.size()));
    Outline(dc, star, RGB(0, 0, 0), PS_SOLID);
    Outline(dc, grown, RGB(0, 0, 220), PS_DOT);
    Outline(dc, shrunk, RGB(0, 140, 0), PS_DOT);

    // The orientation test takes the corners without the repeated first one.
    const bool clockwise = PolygonClockWise(star.data(), static_cast<int>(star.size()) - 1);
    Caption(dc, left, top + kLineHeight,
            clockwise ? "PolygonClockWise: clockwise" : "PolygonClockWise: counter-clockwise");
}

void PaintPolyline(HDC dc, int left, int top) {
    Caption(dc, left, top, "Polyline and its offsets by 12 and -12");
    const std::vector<POINT> path = {{left + 10, top + 150},  {left + 90, top + 40},
                                     {left + 170, top + 150}, {left + 250, top + 60},
                                     {left + 330, top + 120}, {left + 420, top + 50}};
    std::vector<POINT> toLeft = path;
    PolylineOffset(toLeft.data(), 12, static_cast<int>(toLeft.size()));
    std::vector<POINT> toRight = path;
    PolylineOffset(toRight.data(), -12, static_cast<int>(toRight.size()));
    Outline(dc, path, RGB(0, 0, 0), PS_SOLID);
    Outline(dc, toLeft, RGB(0, 0, 220), PS_SOLID);
    Outline(dc, toRight, RGB(0, 140, 0), PS_SOLID);
}

void PaintShape(HDC dc, int left, int top, const char* caption,
                int(QERNO_CALL* test)(RECT*, POINT)) {
    Caption(dc, left, top, caption);
    RECT shape = {left, top + kLineHeight + 4, left + 140, top + kLineHeight + 104};
    SampleGrid(dc, shape, [&](POINT p) { return test(&shape, p) ? Hit::Inside : Hit::Outside; });
    FrameRect(dc, &shape, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
}

int QERNO_CALL RoundCornerAt40(RECT* bounds, POINT p) {
    return PtInRoundCorner(bounds, 40, p);
}

void PaintCompass(HDC dc, int left, int top) {
    Caption(dc, left, top, "Directions every 30 degrees and Lumo_GetAtan of each");
    const POINT centre = {left + 110, top + 120};
    for (int degrees = 0; degrees < 360; degrees += 30) {
        const POINT tip = {centre.x + 90 * Lumo_GetCos(degrees) / 10000,
                           centre.y + 90 * Lumo_GetSin(degrees) / 10000};
        MoveToEx(dc, centre.x, centre.y, nullptr);
        LineTo(dc, tip.x, tip.y);
        char label[12]; // up to three digits of an angle
        const int length = wsprintfA(label, "%d", Lumo_GetAtan(tip.x - centre.x, tip.y - centre.y));
        TextOutA(dc, centre.x + 104 * Lumo_GetCos(degrees) / 10000 - 8,
                 centre.y + 104 * Lumo_GetSin(degrees) / 10000 - 7, label, length);
    }
}

void PaintPolygons(HDC dc, const RECT& client) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    PaintStar(dc, kMargin, kMargin);

    const int right = client.right / 2 + 20;
    PaintPolyline(dc, right, kMargin);
    PaintShape(dc, right, 220, "PtInEllipse", PtInEllipse);
    PaintShape(dc, right + 160, 220, "PtInRoundCorner 40%", RoundCornerAt40);
    PaintShape(dc, right + 320, 220, "PtInRhombus", PtInRhombus);
    PaintCompass(dc, right, 380);

    Caption(dc, kMargin, client.bottom - 2 * kLineHeight,
            "Samples: red inside, orange within 5 of an edge, grey outside");
    RestoreDC(dc, saved);
}

} // namespace

extern const Scene kPolygonScene = {"05-polygons", "Polygons and their offsets", PaintPolygons};
