// The 8 x 8 shade patterns composed from the shade table's bytes, free of any GDI object.
#pragma once

#include <cstddef>

// Eight rows of two bytes: CreateBitmap takes one-bit rows 16-bit aligned.
constexpr int kShadePatternBytes = 16;

// Records of 8 bytes, one row a byte from the top, bit 7 the leftmost pixel.
struct ShadeTableBytes {
    const unsigned char* data;
    std::size_t size;
};

// The bitmap rows of shade 1..40 (1 all 0 bits, a shade the table does not hold all 1 bits)
// with overlay 1..7 ORed on and turned a quarter counter-clockwise when rotate is set.
// pattern and work hold kShadePatternBytes; without work the overlay and the turn are left out.
void ComposeShadePattern(ShadeTableBytes table, int shade, int overlay, int rotate, char* pattern,
                         char* work);
