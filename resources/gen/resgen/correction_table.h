// Table 5803: colour correction of cyan, magenta and yellow for the on-screen preview.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qerno::resgen {

constexpr int kInkLevelCount = 12;
constexpr std::size_t kCorrectionTableSize =
    3 * kInkLevelCount * kInkLevelCount * kInkLevelCount; // 5,184

// The ink amount of each level: percentages 0, 5, 10, 20, ... 100 of 255, rounded.
constexpr std::array<std::uint8_t, kInkLevelCount> kInkLevels = {0,   13,  26,  51,  77,  102,
                                                                 128, 153, 179, 204, 230, 255};

struct InkAmounts {
    std::uint8_t cyan;
    std::uint8_t magenta;
    std::uint8_t yellow;
};

// Corrected amounts for nominal ink amounts 0..255.
InkAmounts CorrectInks(int cyan, int magenta, int yellow);

// Entry (c, m, y), level indexes, at byte 3 * (c + 12m + 144y): corrected cyan, magenta, yellow.
std::vector<std::uint8_t> BuildCorrectionTable();

} // namespace qerno::resgen
