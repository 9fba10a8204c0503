// A 3 x 5 pixel font for labelling preview sheets: digits, capitals and a little punctuation.
#pragma once

#include "canvas.h"

#include <string_view>

namespace qerno::image {

constexpr int kGlyphWidth = 3;
constexpr int kGlyphHeight = 5;
constexpr int kGlyphAdvance = 4; // glyph plus one column of space

// Lower-case letters print as capitals; characters without a glyph print as blanks. (Not
// named DrawText: the Windows headers turn that name into a macro.)
void DrawLabel(Canvas& canvas, int x, int y, std::string_view text, Rgb colour, int scale = 1);

} // namespace qerno::image
