// Bitmaps 6419 and 6420: the shimmer's bar tiles. 0 bits are painted in the shimmer colour,
// 1 bits leave the screen as it is.
#pragma once

#include "mono_image.h"

namespace qerno::resgen {

constexpr int kShimmerTileSize = 16;

// A bright vertical bar: solid in the middle, thinning by ordered dither towards both sides,
// repeating every 8 rows, so tiles stack top to bottom without a seam.
image::MonoImage VerticalShimmerTile();
// The vertical tile turned a quarter: a horizontal bar that repeats left to right.
image::MonoImage HorizontalShimmerTile();

} // namespace qerno::resgen
