// Fancy borders, the style chooser and plug-in fills beside plain GDI doing comparable work in
// the same run: a 200-corner polygon in a fancy style against Polyline with a 16-pixel pen, and
// a cached plug-in fill against StretchBlt of a bitmap of that size.
#include "Qerno.h"
#include "RatioLine.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 20;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr unsigned char kBorderWidth = 16;
constexpr char kPlugIn[] = "plugins\\QernoRadial.dll";
// The border and its plain counterpart are timed in turn this many times; medians are reported.
constexpr int kPairs = 7;
// A cold fill calls the plug-in each time: a few rounds a run are enough.
constexpr int kColdRounds = 3;

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// A battlement of 49 merlons over a stepped base: 200 corners, every one a right angle, closed
// by a repeated first point.
std::vector<POINT> Battlement() {
    constexpr int kMerlons = 49, kTooth = 18, kLeft = 40, kTop = 400, kDepth = 300;
    std::vector<POINT> points;
    for (int i = 0; i < kMerlons; ++i) {
        const int x = kLeft + 2 * i * kTooth;
        points.push_back({x, kTop});
        points.push_back({x, kTop - 3 * kTooth});
        points.push_back({x + kTooth, kTop - 3 * kTooth});
        points.push_back({x + kTooth, kTop});
    }
    const int right = kLeft + (2 * kMerlons - 1) * kTooth;
    const int middle = (kLeft + right) / 2;
    points.push_back({right, kTop + kDepth});
    points.push_back({middle, kTop + kDepth});
    points.push_back({middle, kTop + kDepth + kTooth});
    points.push_back({kLeft, kTop + kDepth + kTooth});
    points.push_back(points.front());
    return points;
}

// Returns the border's time over the plain line's.
double CompareBorders(HDC dc) {
    std::vector<POINT> points = Battlement();
    const int count = static_cast<int>(points.size());
    HPEN pen = CreatePen(PS_SOLID, kBorderWidth, RGB(0, 0, 0));
    std::vector<double> polylines, fancies, ratios;
    for (int pair = 0; pair < kPairs; ++pair) {
        HGDIOBJ previous = SelectObject(dc, pen);
        polylines.push_back(
            MillisecondsPerCall(kRounds, [&] { Polyline(dc, points.data(), count); }));
        SelectObject(dc, previous);
        fancies.push_back(MillisecondsPerCall(
            kRounds, [&] { PaintFcPolygon(dc, points.data(), kBorderWidth, 7, count); }));
        ratios.push_back(fancies.back() / polylines.back());
    }
    DeleteObject(pen);
    const double polyline = Median(polylines), fancy = Median(fancies);
    std::printf("A closed polygon of %d corners, %d units wide\n", count - 1, kBorderWidth);
    ReportTime("  Polyline with a 16-pixel pen", polyline, polyline);
    ReportTime("  PaintFcPolygon, style 7", fancy, polyline);
    std::printf("  %-56s %9.2f\n", "median of the ratios of each pair", Median(ratios));

    RECT area = {0, 0, 1280, 1024};
    for (int cell : {40, 64}) {
        const double chooser = MillisecondsPerCall(
            kRounds, [&] { PaintAllFancyChars(nullptr, dc, 0, cell, cell, &area, 1, 0); });
        std::printf("PaintAllFancyChars over 1280 x 1024 in cells of %d\n", cell);
        ReportTime("  all 102 styles", chooser, chooser);
    }
    return Median(ratios);
}

void ComparePlugInFills(HDC screen, HDC dc) {
    RECT whole = {0, 0, kWidth, kHeight};
    HBITMAP cache = nullptr;
    const auto warmFill = [&] {
        PlugInDrawFountainRect(dc, &whole, nullptr, 0, 0, RGB(255, 255, 0), RGB(0, 0, 128), 0, 50,
                               CString(kPlugIn), &cache);
    };
    const auto coldFill = [&] {
        if (cache)
            DeleteObject(cache);
        cache = nullptr;
        warmFill();
    };
    const double cold = MillisecondsPerCall(kRounds, coldFill);
    const double warm = MillisecondsPerCall(kRounds, warmFill);
    const bool filled = cache != nullptr;

    // A bitmap kept selected in a memory DC, and one selected into a new memory DC for each blit
    // as the library does: under Wine the selection of a bitmap this large costs a blit's worth.
    HBITMAP cached = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, cached);
    // Painted, as the cache is: a bitmap never drawn on may be read from pages of zeros that all
    // share one frame of memory, faster than any picture.
    PatBlt(memory, 0, 0, kWidth, kHeight, WHITENESS);
    const double kept = MillisecondsPerCall(kRounds, [&] {
        StretchBlt(dc, 0, 0, kWidth, kHeight, memory, 0, 0, kWidth, kHeight, SRCCOPY);
    });
    SelectObject(memory, previous);
    DeleteDC(memory);
    const auto blitFromNewDC = [&] {
        HDC each = CreateCompatibleDC(dc);
        HGDIOBJ original = SelectObject(each, cached);
        StretchBlt(dc, 0, 0, kWidth, kHeight, each, 0, 0, kWidth, kHeight, SRCCOPY);
        SelectObject(each, original);
        DeleteDC(each);
    };
    const double selected = MillisecondsPerCall(kRounds, blitFromNewDC);

    std::printf("A %d x %d plug-in fill (%s)%s\n", kWidth, kHeight, kPlugIn,
                filled ? "" : ": THE PLUG-IN DID NOT PAINT");
    ReportTime("  StretchBlt of a cached bitmap kept in a memory DC", kept, kept);
    ReportTime("  the same, selected into a new memory DC each time", selected, kept);
    ReportTime("  PlugInDrawFountainRect, warm (from the cache)", warm, kept);
    ReportTime("  PlugInDrawFountainRect, cold (the plug-in called)", cold, kept);
    std::printf("  %-56s %9.2f\n", "ratio warm / StretchBlt from a new memory DC", warm / selected);

    // The machine-readable ratios: warm against the blit from a new memory DC, cold against
    // GradientFill of the same rectangle, each the median of runs taking turns.
    PrintRatio("plugin_warm", MedianRatio(kPairs, kRounds, warmFill, blitFromNewDC));
    DeleteObject(cached);
    TRIVERTEX ends[2] = {{0, 0, 0xFF00, 0xFF00, 0, 0}, {kWidth, kHeight, 0, 0, 0x8000, 0}};
    GRADIENT_RECT pair = {0, 1};
    PrintRatio("plugin_cold", MedianRatio(kPairs, kColdRounds, coldFill, [&] {
                   GradientFill(dc, ends, 2, &pair, 1, GRADIENT_FILL_RECT_H);
               }));
    if (cache)
        DeleteObject(cache);
}

} // namespace

int main() {
    if (!InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll"))) // the fancy tiles are its tables
        return 1;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HGDIOBJ original = SelectObject(dc, canvas);
    PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
    const double borderRatio = CompareBorders(dc);
    ComparePlugInFills(screen, dc);
    SelectObject(dc, original);
    DeleteDC(dc);
    DeleteObject(canvas);
    ReleaseDC(nullptr, screen);
    PrintRatio("fcpolygon", borderRatio);
    return 0;
}
