// Spline curves: generated points per second when flattening a long curve for drawing, and
// when hit-testing a position that lies on none of its spans (every chord is checked).
#include "QernoGeometry.h"
#include "geometry/CurveSegment.h"
#include "geometry/SplineCurve.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kPlacedPoints = 2000;

// A zigzag of spans some 150 to 250 pixels long, as a user draws them.
std::vector<POINT> LongCurve() {
    std::vector<POINT> placed(kPlacedPoints);
    for (int i = 0; i < kPlacedPoints; ++i)
        placed[i] = {i * 120, (i % 2) * 160 + (i % 7) * 10};
    return placed;
}

std::vector<POINT> ControlPointsOf(const std::vector<POINT>& placed) {
    std::vector<POINT> padded(PaddedPointCount(kPlacedPoints));
    std::vector<POINT> control(ControlPointCount(kPlacedPoints));
    PadCurvePoints(placed.data(), kPlacedPoints, padded.data());
    BackCalu(padded.data(), control.data(), kPlacedPoints + 5);
    return control;
}

void FlattenLongCurve(benchmark::State& state) {
    const std::vector<POINT> placed = LongCurve();
    std::vector<POINT> padded(PaddedPointCount(kPlacedPoints));
    std::vector<POINT> control(ControlPointCount(kPlacedPoints));
    std::vector<POINT> points(CountCurvePoints(ControlPointsOf(placed).data(), kPlacedPoints));
    for (auto _ : state) {
        PadCurvePoints(placed.data(), kPlacedPoints, padded.data());
        BackCalu(padded.data(), control.data(), kPlacedPoints + 5);
        const long long count = CountCurvePoints(control.data(), kPlacedPoints);
        benchmark::DoNotOptimize(EmitCurvePoints(control.data(), kPlacedPoints, points.data()));
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(points.size()));
}
BENCHMARK(FlattenLongCurve)->Unit(benchmark::kMicrosecond);

void HitTestLongCurve(benchmark::State& state) {
    const std::vector<POINT> control = ControlPointsOf(LongCurve());
    long long chordPoints = 0;
    for (int i = 2; i <= kPlacedPoints; ++i)
        chordPoints += CountSegmentPoints<float>(SegmentAt(&control[i]), kHitExtentLimit);
    const POINT away = {kPlacedPoints * 60, 5000};
    for (auto _ : state)
        benchmark::DoNotOptimize(HitCurveSpan(control.data(), kPlacedPoints, away));
    state.SetItemsProcessed(state.iterations() * chordPoints);
}
BENCHMARK(HitTestLongCurve)->Unit(benchmark::kMicrosecond);

} // namespace
