// The 16 x 16 one-bit tile of a fancy-character record.
#pragma once

#include "mono_image.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qerno::resgen {

constexpr int kTileSize = 16;
constexpr std::size_t kTileRecordSize = 32; // 16 rows of 2 bytes

using TileRecord = std::array<std::uint8_t, kTileRecordSize>;

class Tile16 {
public:
    // Outside the tile reads as 0 and writes are ignored.
    bool At(int x, int y) const;
    void Set(int x, int y, bool ink = true);
    int InkCount() const;

    // Rows from the top, two bytes each, bit 7 of the first byte the leftmost pixel.
    TileRecord Record() const;

    // Clockwise quarter turns, pixel for pixel as the frame painter turns its tiles:
    // one turn takes the top edge to the right edge.
    Tile16 Turned(int quarterTurns) const;
    image::MonoImage ToImage() const;

    friend bool operator==(const Tile16& a, const Tile16& b) { return a.rows_ == b.rows_; }
    friend bool operator!=(const Tile16& a, const Tile16& b) { return !(a == b); }

private:
    std::array<std::uint16_t, kTileSize> rows_{}; // bit 15 of a row is its leftmost pixel
};

} // namespace qerno::resgen
