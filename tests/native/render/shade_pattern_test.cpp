// Shade patterns from the table's bytes: widened rows, overlays, the quarter turn, and the
// shades and overlays the table does not hold.
#include "QernoRender.h"
#include "render/ShadePattern.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The rows in hex, and a pad only when it is not zero. Shade 2 is the left column, 3 the
// top-right pixel; overlay 1 (shade 34) the top row, overlay 7 (shade 40) the bottom-right one.
std::string Shade(int shade, int overlay, int rotate, std::size_t size = 312, bool work = true) {
    static unsigned char table[39 * 8] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x01};
    table[32 * 8] = 0xFF;
    table[38 * 8 + 7] = 0x01;
    char pattern[kShadePatternBytes], spare[kShadePatternBytes];
    ComposeShadePattern({table, size}, shade, overlay, rotate, pattern, work ? spare : nullptr);
    char text[3 * kShadePatternBytes + 1] = {}; // "ff " a byte
    for (int i = 0, at = 0; i < kShadePatternBytes; ++i)
        if (i % 2 == 0 || pattern[i])
            at += std::snprintf(text + at, 4, "%02x ", static_cast<unsigned char>(pattern[i]));
    return text;
}

TEST(ShadePattern, RelaxBitsAndShadeOverlayAndTurnFromWholeRecordsInsideTheTable) {
    char rows[16] = {};
    RelaxBits(-1, 1, 8, rows); // refused, or it would move rows far past the buffer
    const std::string left = "80 80 80 80 80 80 80 80 ";
    const std::string ones = "ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff "; // pads too
    EXPECT_EQ("ff 00 00 00 00 00 00 00 ", Shade(1, 1, 0));
    EXPECT_EQ("00 00 00 00 00 00 00 01 ", Shade(40, 0, 0));
    EXPECT_EQ("80 80 80 80 80 80 80 81 ", Shade(2, 7, 0));
    for (int overlay : {-1, 8, INT_MAX})
        EXPECT_EQ(left, Shade(2, overlay, 0)) << "no overlay " << overlay;
    for (int shade : {0, 41, INT_MIN})
        EXPECT_EQ(ones, Shade(shade, 1, 1)) << shade;
    EXPECT_EQ("80 00 00 00 00 00 00 00 ", Shade(3, 0, 1)) << "top-right turns top-left";
    EXPECT_EQ(left, Shade(1, 1, 1));
    EXPECT_EQ(left, Shade(2, 7, 1, 312, false)) << "no work buffer: the plain shade";
    EXPECT_EQ(left, Shade(2, 0, 0, 12)) << "one and a half records";
    EXPECT_EQ(ones, Shade(3, 0, 0, 12));
}

} // namespace
