// QuickCurve beside the system's own flattening of the same curve: the spline's segments as
// cubic Bezier pieces, flattened through a path (BeginPath, PolyBezier, EndPath, FlattenPath,
// GetPath) on the same memory DC, in the same run: each in turn several times over, so that load
// from elsewhere falls on both alike, and the medians reported.
#include "Qerno.h"
#include "RatioLine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPlacedPoints = 200;
constexpr int kRounds = 100;
constexpr int kPairs = 7;

std::vector<POINT> PlacedPoints() {
    std::vector<POINT> placed(kPlacedPoints);
    for (int i = 0; i < kPlacedPoints; ++i)
        placed[i] = {i * 120, (i % 2) * 160 + (i % 7) * 10};
    return placed;
}

// The curve's control points, padded the way the library pads them (identity mapping).
std::vector<POINT> ControlPoints(const std::vector<POINT>& placed) {
    std::vector<POINT> padded(placed.size() + 7, placed.front()); // first point four times
    std::copy(placed.begin(), placed.end(), padded.begin() + 3);
    std::fill(padded.end() - 4, padded.end(), placed.back());
    std::vector<POINT> control(placed.size() + 6);
    BackCalu(padded.data(), control.data(), kPlacedPoints + 5);
    return control;
}

// The weights, in sixths, that turn four B-spline control points into one Bezier point.
constexpr int kStart[4] = {1, 4, 1, 0};
constexpr int kFirstHandle[4] = {0, 4, 2, 0};
constexpr int kSecondHandle[4] = {0, 2, 4, 0};
constexpr int kEnd[4] = {0, 1, 4, 1};

POINT Blend(const POINT* q, const int (&sixths)[4]) {
    double x = 0, y = 0;
    for (int k = 0; k < 4; ++k) {
        x += sixths[k] * double(q[k].x);
        y += sixths[k] * double(q[k].y);
    }
    return {std::lround(x / 6), std::lround(y / 6)};
}

// Segment i of the uniform B-spline as a Bezier piece; pieces share their joints.
std::vector<POINT> BezierPoints(const std::vector<POINT>& control) {
    std::vector<POINT> bezier = {Blend(&control[2], kStart)};
    for (int i = 2; i <= kPlacedPoints; ++i) {
        bezier.push_back(Blend(&control[i], kFirstHandle));
        bezier.push_back(Blend(&control[i], kSecondHandle));
        bezier.push_back(Blend(&control[i], kEnd));
    }
    return bezier;
}

template <typename Flatten> double MicrosecondsPerCurve(Flatten flatten) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int round = 0; round < kRounds; ++round)
        flatten();
    QueryPerformanceCounter(&end);
    return (end.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart / kRounds;
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    HDC dc = CreateCompatibleDC(nullptr);
    std::vector<POINT> placed = PlacedPoints();
    const std::vector<POINT> bezier = BezierPoints(ControlPoints(placed));

    long quickCount = 0;
    int gdiCount = 0;
    std::vector<POINT> points;
    std::vector<BYTE> types;
    std::vector<double> quickTimes, gdiTimes, ratios;
    for (int pair = 0; pair < kPairs; ++pair) {
        const double quick = MicrosecondsPerCurve([&] {
            HGLOBAL curve = QuickCurve(dc, placed.data(), kPlacedPoints, &quickCount);
            GlobalFree(curve);
        });
        const double gdi = MicrosecondsPerCurve([&] {
            BeginPath(dc);
            PolyBezier(dc, bezier.data(), static_cast<DWORD>(bezier.size()));
            EndPath(dc);
            FlattenPath(dc);
            gdiCount = GetPath(dc, nullptr, nullptr, 0);
            points.resize(gdiCount > 0 ? gdiCount : 0);
            types.resize(points.size());
            GetPath(dc, points.data(), types.data(), gdiCount);
        });
        quickTimes.push_back(quick);
        gdiTimes.push_back(gdi);
        ratios.push_back(quick / gdi);
    }
    const double quick = Median(quickTimes), gdi = Median(gdiTimes), ratio = Median(ratios);
    DeleteDC(dc);

    std::printf("%d placed points, %d spans\n", kPlacedPoints, kPlacedPoints - 1);
    std::printf("%-52s %9.1f us per curve, %6ld points\n", "QuickCurve", quick, quickCount);
    std::printf("%-52s %9.1f us per curve, %6d points\n",
                "BeginPath, PolyBezier, EndPath, FlattenPath, GetPath", gdi, gdiCount);
    std::printf("%-52s %9.2f\n", "ratio (QuickCurve / system)", ratio);
    std::printf("%-52s %9.2f\n", "ratio per point", ratio * gdiCount / quickCount);
    PrintRatio("quickcurve", ratio);
    return quickCount > 0 && gdiCount > 0 ? 0 : 1;
}
