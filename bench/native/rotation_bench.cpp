// Rotations per second of a 256 x 256 one-bit bitmap at 37 degrees.
#include "QernoGeometry.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr long kSide = 256;
constexpr long kStride = kSide / 8;

// A filled disc with every fourth row cut away: solid areas and thin lines, as in art work.
std::vector<BYTE> Picture() {
    std::vector<BYTE> bits(kStride * kSide); // kStride bytes a row
    const long centre = kSide / 2;
    for (long y = 0; y < kSide; ++y) {
        for (long x = 0; x < kSide; ++x) {
            const long dx = x - centre;
            const long dy = y - centre;
            if (dx * dx + dy * dy < 120 * 120 && y % 4 != 0)
                bits[y * kStride + x / 8] |= 0x80 >> (x % 8);
        }
    }
    return bits;
}

void RotateAt37Degrees(benchmark::State& state) {
    std::vector<BYTE> source = Picture();
    long width = 0;
    long height = 0;
    rotwh(kSide, kSide, &width, &height, 37);
    std::vector<BYTE> target((width + 7) / 8 * height); // ceil(width / 8) bytes a row
    for (auto _ : state) {
        rotate(source.data(), kSide, kSide, target.data(), &width, &height, 37);
        benchmark::DoNotOptimize(target.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RotateAt37Degrees);

void SlantAt30Degrees(benchmark::State& state) {
    std::vector<BYTE> source = Picture();
    long width = 0;
    slantwh(kSide, kSide, &width, 30);
    std::vector<BYTE> target((width + 7) / 8 * kSide); // ceil(width / 8) bytes a row
    for (auto _ : state) {
        slant(source.data(), kSide, kSide, target.data(), &width, 30);
        benchmark::DoNotOptimize(target.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SlantAt30Degrees);

} // namespace
