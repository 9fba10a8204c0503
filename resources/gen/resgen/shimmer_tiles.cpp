#include "shimmer_tiles.h"

#include <cstdlib>

namespace qerno::resgen {

namespace {

// Painted rows per 8 of each column, from the middle of the bar outwards.
constexpr int kPaintedEighths[kShimmerTileSize / 2] = {8, 8, 6, 4, 3, 2, 1, 0};
// The order in which a column's rows get painted: spread out, like a one-line Bayer ramp.
constexpr int kRowRank[8] = {0, 4, 2, 6, 1, 5, 3, 7};
// Each column's ramp starts lower than its neighbour's so dots do not line up across.
constexpr int kStagger = 3;

bool Painted(int across, int along) {
    const int distance = std::abs(2 * across + 1 - kShimmerTileSize) / 2;
    return kRowRank[(along + kStagger * across) % 8] < kPaintedEighths[distance];
}

} // namespace

image::MonoImage VerticalShimmerTile() {
    image::MonoImage tile(kShimmerTileSize, kShimmerTileSize);
    for (int y = 0; y < kShimmerTileSize; ++y)
        for (int x = 0; x < kShimmerTileSize; ++x)
            tile.Set(x, y, !Painted(x, y));
    return tile;
}

image::MonoImage HorizontalShimmerTile() {
    image::MonoImage tile(kShimmerTileSize, kShimmerTileSize);
    for (int y = 0; y < kShimmerTileSize; ++y)
        for (int x = 0; x < kShimmerTileSize; ++x)
            tile.Set(x, y, !Painted(y, x));
    return tile;
}

} // namespace qerno::resgen
