#include "correction_table.h"

#include <algorithm>
#include <cmath>

namespace qerno::resgen {

namespace {

// Printed dots spread, so a tint prints darker than its nominal amount; each ink spreads by
// its own measure, modelled as a power curve that keeps 0 and full ink where they are.
constexpr double kCyanGain = 0.90;
constexpr double kMagentaGain = 0.87;
constexpr double kYellowGain = 0.94;
constexpr double kNeutralGain = (kCyanGain + kMagentaGain + kYellowGain) / 3;

double DotGain(double amount, double exponent) {
    return 255.0 * std::pow(amount / 255.0, exponent);
}

// The grey that all three inks share takes the neutral curve, so equal amounts stay a neutral
// grey; the balancing fades out as an ink rises above that grey and is gone at full ink.
std::uint8_t Corrected(int amount, int grey, double exponent) {
    double value = DotGain(amount, exponent);
    if (grey < 255) {
        const double fade = (255.0 - amount) / (255.0 - grey);
        value += (DotGain(grey, kNeutralGain) - DotGain(grey, exponent)) * fade;
    }
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

} // namespace

InkAmounts CorrectInks(int cyan, int magenta, int yellow) {
    const int grey = std::min({cyan, magenta, yellow});
    return {Corrected(cyan, grey, kCyanGain), Corrected(magenta, grey, kMagentaGain),
            Corrected(yellow, grey, kYellowGain)};
}

std::vector<std::uint8_t> BuildCorrectionTable() {
    std::vector<std::uint8_t> table;
    table.reserve(kCorrectionTableSize);
    for (int y = 0; y < kInkLevelCount; ++y)
        for (int m = 0; m < kInkLevelCount; ++m)
            for (int c = 0; c < kInkLevelCount; ++c) {
                const InkAmounts out = CorrectInks(kInkLevels[c], kInkLevels[m], kInkLevels[y]);
                table.insert(table.end(), {out.cyan, out.magenta, out.yellow});
            }
    return table;
}

} // namespace qerno::resgen
