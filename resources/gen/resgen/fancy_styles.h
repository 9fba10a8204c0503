// Table 5804: the 102 fancy-character styles, each an edge tile and a corner tile.
#pragma once

#include "tile16.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qerno::resgen {

constexpr int kFancyStyleCount = 102;
constexpr std::size_t kFancyTableSize = kFancyStyleCount * 2 * kTileRecordSize; // 6,528

// The edge tile is the top edge of a frame and the corner tile its top-right corner; the
// painter turns them clockwise for the other sides and corners. 1 bits are ink.
struct FancyStyle {
    Tile16 edge;
    Tile16 corner;
};

std::vector<FancyStyle> FancyStyles();

// Record 2n is style n's edge tile, record 2n + 1 its corner tile.
std::vector<std::uint8_t> BuildFancyTable(const std::vector<FancyStyle>& styles);

} // namespace qerno::resgen
