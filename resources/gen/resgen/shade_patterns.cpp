#include "shade_patterns.h"

namespace qerno::resgen {

namespace {

using PixelRule = bool (*)(int x, int y);

bool Horizontal(int, int y) {
    return y == 3;
}
bool Vertical(int x, int) {
    return x == 3;
}
bool Rising(int x, int y) {
    return x + y == 7;
}
bool Falling(int x, int y) {
    return x == y;
}
bool Cross(int x, int y) {
    return Horizontal(x, y) || Vertical(x, y);
}
bool DiagonalCross(int x, int y) {
    return Rising(x, y) || Falling(x, y);
}
// Courses at rows 3 and 7, with the joints of alternate courses half a brick apart.
bool Bricks(int x, int y) {
    return y == 3 || y == 7 || (y < 3 && x == 0) || (y > 3 && y < 7 && x == 4);
}

constexpr PixelRule kHatches[] = {Horizontal, Vertical,      Rising, Falling,
                                  Cross,      DiagonalCross, Bricks};

ShadeRecord FromRule(PixelRule rule) {
    ShadeRecord record{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (rule(x, y))
                record[y] |= static_cast<std::uint8_t>(0x80 >> x);
    return record;
}

} // namespace

int BayerThreshold(int x, int y) {
    // Each 2 x 2 level orders its cells 0 2 / 3 1; the finest level weighs most, so the
    // first thresholds land far apart.
    int threshold = 0;
    for (int bit = 0; bit < 3; ++bit) {
        const int xb = (x >> bit) & 1;
        const int yb = (y >> bit) & 1;
        threshold = threshold * 4 + ((xb ^ yb) << 1 | yb);
    }
    return threshold;
}

ShadeRecord DensityRecord(int k) {
    ShadeRecord record{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (BayerThreshold(x, y) < 2 * k + 1)
                record[y] |= static_cast<std::uint8_t>(0x80 >> x);
    return record;
}

ShadeRecord HatchRecord(int overlay) {
    return FromRule(kHatches[overlay - 1]);
}

std::vector<std::uint8_t> BuildShadeTable() {
    std::vector<std::uint8_t> table;
    table.reserve(kShadeTableSize);
    for (int k = 0; k < kDensityRecordCount; ++k) {
        const ShadeRecord record = DensityRecord(k);
        table.insert(table.end(), record.begin(), record.end());
    }
    for (int overlay = 1; overlay <= kShadeRecordCount - kDensityRecordCount; ++overlay) {
        const ShadeRecord record = HatchRecord(overlay);
        table.insert(table.end(), record.begin(), record.end());
    }
    return table;
}

} // namespace qerno::resgen
