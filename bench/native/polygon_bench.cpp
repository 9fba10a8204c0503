#include "QernoGeometry.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// A closed star of 1,000 points (999 edges) around (5000, 5000): many edges straddle every ray.
std::vector<POINT> Star() {
    constexpr int kPoints = 1000;
    const double pi = std::acos(-1.0);
    std::vector<POINT> points(kPoints);
    for (int i = 0; i + 1 < kPoints; ++i) {
        const double radius = i % 2 ? 2000.0 : 4500.0;
        const double angle = 2 * pi * i / (kPoints - 1);
        points[i] = {static_cast<LONG>(5000 + radius * std::cos(angle)),
                     static_cast<LONG>(5000 + radius * std::sin(angle))};
    }
    points[kPoints - 1] = points[0];
    return points;
}

// Test points on a 32 x 32 grid over the star's box, inside, outside and between the tips.
std::vector<POINT> Probes() {
    std::vector<POINT> probes;
    for (int row = 0; row < 32; ++row)
        for (int column = 0; column < 32; ++column)
            probes.push_back({300 + column * 300 + row % 7, 300 + row * 300 + column % 5});
    return probes;
}

void PtInPolygonOnAThousandPoints(benchmark::State& state) {
    std::vector<POINT> star = Star();
    const std::vector<POINT> probes = Probes();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PtInPolygon(star.data(), static_cast<int>(star.size()), probes[next]));
        next = (next + 1) % probes.size();
    }
    state.SetItemsProcessed(state.iterations()); // test points per second
}
BENCHMARK(PtInPolygonOnAThousandPoints);

} // namespace
