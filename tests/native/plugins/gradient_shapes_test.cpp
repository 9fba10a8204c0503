#include "GradientShapes.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

constexpr COLORREF kFirst = 0x00204080;
constexpr COLORREF kSecond = 0x00F0C010;
constexpr GradientShape Radial = GradientShape::Radial, Conical = GradientShape::Conical,
                        Diamond = GradientShape::Diamond, Rectangular = GradientShape::Rectangular;

COLORREF At(GradientShape shape, int width, int height, WORD parameter, int x, int y) {
    return GradientColour({shape, width, height, parameter, kFirst, kSecond}, x, y);
}

// On a 21 x 15 picture, whose middle pixel is (10, 7). Two ramps come back to the first colour
// at the rim; the radial centre moves onto the right border, then to the bottom left corner.
TEST(GradientShapes, FirstColourAtTheCentreSecondAtTheRimAndDegenerateSizesBetween) {
    const std::tuple<GradientShape, WORD, int, int, COLORREF> landmarks[] = {
        {Radial, 0, 10, 7, kFirst},     {Radial, 0, 20, 14, kSecond},
        {Conical, 0, 20, 7, kFirst},    {Conical, 0, 0, 7, kSecond},
        {Conical, 90, 10, 14, kSecond}, {Diamond, 0, 10, 7, kFirst},
        {Diamond, 0, 10, 14, kSecond},  {Rectangular, 0, 6, 0, kSecond},
        {Rectangular, 2, 0, 0, kFirst}, {Diamond, 3, 0, 7, kSecond},
        {Radial, 100, 0, 0, kSecond},   {Radial, 0x649C, 20, 0, kSecond},
        {Conical, 450, 10, 14, kSecond}};
    for (const auto& [shape, parameter, x, y, expected] : landmarks)
        EXPECT_EQ(expected, At(shape, 21, 15, parameter, x, y)) << x << "," << y;

    // Single pixels and strips with any parameter give greys between black and white, nothing of
    // the colours' high bytes; a lone pixel takes the first colour unless a ray decides.
    for (GradientShape shape : {Radial, Conical, Diamond, Rectangular}) {
        for (WORD parameter : {0, 1, 100, 0xFF, 0x8080, 0x7F7F, 0xFFFF})
            for (auto [w, h] : {std::pair{1, 1}, std::pair{1, 7}, std::pair{6, 1}})
                for (int i = 0; i < w * h; ++i) {
                    const COLORREF grey = GradientColour(
                        {shape, w, h, parameter, 0x01000000, 0x02FFFFFF}, i % w, i / w);
                    ASSERT_EQ((grey & 0xFF) * 0x010101, grey);
                }
        if (shape != Conical)
            EXPECT_EQ(kFirst, At(shape, 1, 1, 0, 0, 0));
    }
}

} // namespace

// A row is painted as the colours of its pixels, whatever the shape and the width's parity, and
// a row said to mirror another has its colours.
TEST(GradientShapes, RowsHoldTheColoursOfTheirPixels) {
    int mirrored = 0;
    for (GradientShape shape : {Radial, Conical, Diamond, Rectangular})
        for (WORD parameter : {0, 3, 0x9C32, 0xFFFF})
            for (auto [w, h] : {std::pair{1, 1}, std::pair{2, 3}, std::pair{37, 20}}) {
                const GradientPicture picture = {shape, w, h, parameter, kFirst, kSecond};
                const GradientPainter painter(picture);
                std::vector<unsigned char> row(3 * w);
                for (int y = 0; y < h; ++y) {
                    painter.PaintRow(y, row.data());
                    for (int x = 0; x < w; ++x) {
                        const COLORREF colour = GradientColour(picture, x, y);
                        ASSERT_EQ(colour,
                                  static_cast<COLORREF>(row[3 * x + 2] | row[3 * x + 1] << 8 |
                                                        row[3 * x] << 16))
                            << static_cast<int>(shape) << " " << parameter << " " << x << "," << y;
                    }
                    const int mirror = painter.MirroredRow(y);
                    mirrored += mirror >= 0;
                    for (int x = 0; mirror >= 0 && x < w; ++x)
                        ASSERT_EQ(GradientColour(picture, x, mirror), GradientColour(picture, x, y))
                            << static_cast<int>(shape) << " " << parameter << " " << y;
                }
            }
    // Of 3 and 20 rows, 1 and 10 mirror others: in the diamond and the rectangle whatever the
    // parameter, in the circle unless its centre moves up or down (0x9C32, 0xFFFF).
    EXPECT_EQ((4 + 4 + 2) * (1 + 10), mirrored);
}
