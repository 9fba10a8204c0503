// Table 5805: the 8 x 8 shade patterns, records 0..31 a density ramp, 32..38 hatches.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qerno::resgen {

constexpr int kShadeRecordCount = 39;
constexpr int kDensityRecordCount = 32;
constexpr std::size_t kShadeTableSize = kShadeRecordCount * 8; // 312

// One byte per row from the top, bit 7 the leftmost pixel. As a brush 0 bits show the text
// colour and 1 bits the background colour.
using ShadeRecord = std::array<std::uint8_t, 8>;

// The 8 x 8 ordered-dither matrix: each threshold 0..63 once, spread so that every prefix
// of thresholds is as even as it can be.
int BayerThreshold(int x, int y);

// Records 0..31: 1 bits where the threshold is below 2k + 1, so record k has 2k + 1 of them.
ShadeRecord DensityRecord(int k);
// Records 32..38 (overlays 1..7): horizontal, vertical, rising diagonal, falling diagonal,
// cross-hatch, diagonal cross-hatch and brick lines, one line per 8 pixels.
ShadeRecord HatchRecord(int overlay);

std::vector<std::uint8_t> BuildShadeTable();

} // namespace qerno::resgen
