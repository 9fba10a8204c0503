// Fancy-character frames laid out as the library's painter lays them, for previews and for
// checking that tiles join.
#pragma once

#include "fancy_styles.h"
#include "mono_image.h"

namespace qerno::resgen {

// Parts 0..3 are the top, right, bottom and left edges, 4..7 the top-right, bottom-right,
// bottom-left and top-left corners: the edge or corner tile turned (part mod 4) quarters.
Tile16 FramePartTile(const FancyStyle& style, int part);

// A frame of whole 16-pixel tiles, `across` by `down` tiles, laid clockwise from the
// top-left corner; `across` and `down` are at least 2.
image::MonoImage AssembleFrame(const FancyStyle& style, int across, int down);

// The chooser's sample of a style: the cell split into thirds, each part stretched onto its
// piece by nearest pixel.
image::MonoImage ChooserCell(const FancyStyle& style, int width, int height);

} // namespace qerno::resgen
