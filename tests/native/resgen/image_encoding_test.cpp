#include "bmp_writer.h"
#include "canvas.h"
#include "mono_image.h"
#include "png_reader.h"
#include "png_writer.h"

#include <gtest/gtest.h>

#include <cstring>

using qerno::image::Canvas;
using qerno::image::MonoImage;
using qerno::image::Rgb;

namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// A canvas whose every pixel differs, so misplaced rows or channels show.
Canvas Gradient(int width, int height) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.Put(x, y,
                       {std::uint8_t(x * 7 + y), std::uint8_t(y * 13 + x), std::uint8_t(x ^ y)});
    return canvas;
}

} // namespace

TEST(PngWriter, SmallImageDecodesToTheSamePixels) {
    const Canvas canvas = Gradient(7, 5);
    const DecodedPng png = DecodePng(qerno::image::EncodePng(canvas));
    ASSERT_TRUE(png.ok) << png.error;
    EXPECT_EQ(png.width, 7u);
    EXPECT_EQ(png.height, 5u);
    EXPECT_EQ(png.rgb, canvas.Pixels());
}

TEST(PngWriter, FlatAreasAreCompressedAndAnEmptyImageGivesNothing) {
    const Canvas canvas(301, 97, {10, 20, 30});
    const std::vector<std::uint8_t> file = qerno::image::EncodePng(canvas);
    EXPECT_LT(file.size(), canvas.Pixels().size() / 10);
    EXPECT_EQ(DecodePng(file).rgb, canvas.Pixels());
    EXPECT_TRUE(qerno::image::EncodePng(0, 5, nullptr).empty());
}

TEST(BmpWriter, TwentyFourBitHeadersAndPaddedBottomUpRows) {
    Canvas canvas(5, 2, {1, 2, 3});
    canvas.Put(0, 0, {0xAA, 0xBB, 0xCC}); // top-left
    const std::vector<std::uint8_t> bmp = qerno::image::EncodeBmp(canvas);

    const std::size_t rowBytes = 16; // 5 * 3 = 15, padded to 16
    ASSERT_EQ(bmp.size(), 54 + 2 * rowBytes);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    // File size, pixel offset, header size, width, height (positive: bottom-up), compression
    // and image size.
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {2, bmp.size()}, {10, 54}, {14, 40}, {18, 5}, {22, 2}, {30, 0}, {34, 2 * rowBytes}};
    for (const auto& [at, value] : fields)
        EXPECT_EQ(Le32(bmp, at), value) << "at " << at;
    EXPECT_EQ(Le16(bmp, 26), 1);  // planes
    EXPECT_EQ(Le16(bmp, 28), 24); // bits per pixel

    // The top row is stored last, blue first; padding bytes are zero.
    const std::size_t top = 54 + rowBytes;
    EXPECT_EQ((std::vector<std::uint8_t>{0xCC, 0xBB, 0xAA}),
              std::vector<std::uint8_t>(&bmp[top], &bmp[top + 3]));
    EXPECT_EQ(bmp[54], 3);
    EXPECT_EQ(bmp[54 + 15], 0);
    EXPECT_EQ(bmp[top + 15], 0);
}

TEST(BmpWriter, OneBitHeadersPaletteAndBitOrder) {
    MonoImage image(10, 3);
    image.Set(0, 0); // top-left: bit 7 of the last stored row
    image.Set(9, 2); // bottom-right: second byte of the first stored row
    const std::vector<std::uint8_t> bmp = qerno::image::EncodeBmp(image);

    const std::size_t rowBytes = 4; // 10 bits round up to 2 bytes, padded to 4
    ASSERT_EQ(bmp.size(), 62 + 3 * rowBytes);
    EXPECT_EQ(Le32(bmp, 10), 62u);
    EXPECT_EQ(Le16(bmp, 28), 1);
    EXPECT_EQ(Le32(bmp, 46), 2u);
    const std::uint8_t palette[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
    EXPECT_EQ(std::memcmp(&bmp[54], palette, 8), 0);

    EXPECT_EQ(bmp[62 + 2 * rowBytes], 0x80); // the top row
    EXPECT_EQ((std::vector<std::uint8_t>{0x00, 0x40, 0x00}),
              std::vector<std::uint8_t>(&bmp[62], &bmp[65]));
}

TEST(Canvas, DrawingClipsAtTheEdgesAndLinesIncludeBothEnds) {
    Canvas canvas(4, 4, {});
    const Rgb red = {255, 0, 0};
    canvas.Line(-3, 1, 10, 1, red);
    canvas.FillRect(2, 2, 10, 10, red);
    canvas.Line(0, 3, 0, 3, red);
    EXPECT_EQ(canvas.At(0, 1), red);
    EXPECT_EQ(canvas.At(3, 1), red);
    EXPECT_EQ(canvas.At(3, 3), red);
    EXPECT_EQ(canvas.At(0, 3), red);
    EXPECT_EQ(canvas.At(0, 0), Rgb{});
    EXPECT_EQ(canvas.Pixels().size(), 4u * 4 * 3);
}
