// BI_RLE8 compression: runs of one index, absolute mode for stretches without runs, an
// end-of-line code after every row but the last, which the end-of-bitmap code closes.
#pragma once

#include <cstdint>
#include <vector>

namespace testmedia {

// Palette indices of width * height pixels, rows from the top; the output starts with the
// bottom row, as device-independent bitmaps do.
std::vector<std::uint8_t> EncodeRle8(const std::vector<std::uint8_t>& indices, int width,
                                     int height);

} // namespace testmedia
