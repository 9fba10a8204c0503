#include "bmp_writer.h"
#include "canvas.h"
#include "mono_image.h"
#include "png_writer.h"

#include <gtest/gtest.h>
#include <stb_image.h>

using qerno::image::Canvas;
using qerno::image::Rgb;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::uint32_t Le32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

// Little-endian fields by offset: file size, pixel offset, header size, width, height
// (positive: bottom-up), planes and bits, compression, image size, colours used.
void ExpectFields(const Bytes& bmp, std::vector<std::pair<std::size_t, std::uint32_t>> fields) {
    EXPECT_TRUE(bmp[0] == 'B' && bmp[1] == 'M');
    for (const auto& [at, value] : fields)
        EXPECT_EQ(Le32(bmp, at), value) << "at " << at;
}

// The pixels an RGB file decodes to, rows from the top; none when it does not.
Bytes DecodePng(const Bytes& file, int& width, int& height) {
    int channels = 0;
    stbi_uc* pixels =
        stbi_load_from_memory(file.data(), int(file.size()), &width, &height, &channels, 3);
    const Bytes rgb =
        pixels && channels == 3 ? Bytes(pixels, pixels + width * height * 3) : Bytes();
    stbi_image_free(pixels);
    return rgb;
}

} // namespace

// Every pixel differs, so misplaced rows or channels show; a flat area compresses.
TEST(PngWriter, PngDecodesToTheSamePixelsAndBmpHasItsHeadersPaletteAndRows) {
    Canvas gradient(7, 5);
    for (int i = 0; i < 35; ++i)
        gradient.Put(i % 7, i / 7,
                     {std::uint8_t(i * 7), std::uint8_t(i * 13 + 1), std::uint8_t(i ^ 5)});
    int width = 0, height = 0;
    EXPECT_EQ(DecodePng(qerno::image::EncodePng(gradient), width, height), gradient.Pixels());
    EXPECT_TRUE(width == 7 && height == 5);
    const Canvas flat(301, 97, {10, 20, 30});
    const Bytes file = qerno::image::EncodePng(flat);
    EXPECT_LT(file.size(), flat.Pixels().size() / 10);
    EXPECT_EQ(DecodePng(file, width, height), flat.Pixels());
    EXPECT_TRUE(qerno::image::EncodePng(0, 5, nullptr).empty());

    // Rows of 5 * 3 bytes padded to 16; the top row is stored last, blue first.
    Canvas canvas(5, 2, {1, 2, 3});
    canvas.Put(0, 0, {0xAA, 0xBB, 0xCC});
    const Bytes bmp = qerno::image::EncodeBmp(canvas);
    ASSERT_EQ(bmp.size(), 54u + 2 * 16);
    ExpectFields(
        bmp,
        {{2, 86}, {10, 54}, {14, 40}, {18, 5}, {22, 2}, {26, 1 | 24 << 16}, {30, 0}, {34, 32}});
    EXPECT_EQ(Bytes({3, 2, 1, 3}), Bytes(&bmp[54], &bmp[58]));
    EXPECT_EQ(Bytes({0xCC, 0xBB, 0xAA, 3}), Bytes(&bmp[70], &bmp[74]));
    EXPECT_TRUE(bmp[54 + 15] == 0 && bmp[70 + 15] == 0) << "padding";

    // Rows of 10 bits padded to 4 bytes; the colour table black then white.
    qerno::image::MonoImage image(10, 3);
    image.Set(0, 0); // bit 7 of the last stored row
    image.Set(9, 2); // second byte of the first stored row
    const Bytes mono = qerno::image::EncodeBmp(image);
    ASSERT_EQ(mono.size(), 62u + 3 * 4);
    ExpectFields(mono, {{10, 62}, {26, 1 | 1 << 16}, {46, 2}});
    EXPECT_EQ(Bytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0x00, 0x40, 0x00}),
              Bytes(&mono[54], &mono[65]));
    EXPECT_EQ(mono[62 + 2 * 4], 0x80);
}

TEST(Canvas, DrawingClipsAtTheEdgesAndLinesIncludeBothEnds) {
    Canvas canvas(4, 4, {});
    const Rgb red = {255, 0, 0};
    canvas.Line(-3, 1, 10, 1, red);
    canvas.FillRect(2, 2, 10, 10, red);
    canvas.Line(0, 3, 0, 3, red);
    for (auto [x, y] : {std::pair{0, 1}, {3, 1}, {3, 3}, {0, 3}})
        EXPECT_EQ(canvas.At(x, y), red) << x << "," << y;
    EXPECT_EQ(canvas.At(0, 0), Rgb{});
    EXPECT_EQ(canvas.Pixels().size(), 4u * 4 * 3);
}
