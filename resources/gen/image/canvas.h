// A small RGB raster for drawing resource bitmaps and preview sheets.
#pragma once

#include <cstdint>
#include <vector>

namespace qerno::image {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Rgb a, Rgb b) {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    }
    friend constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

class MonoImage;

// Top-down, 8 bits per channel. Drawing outside the raster is clipped silently, so
// callers can draw shapes that overhang the edge.
class Canvas {
public:
    Canvas(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const;
    // Three bytes (R, G, B) per pixel, rows from the top, no padding.
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

    void Put(int x, int y, Rgb colour);
    void FillRect(int x, int y, int w, int h, Rgb colour);
    void FrameRect(int x, int y, int w, int h, Rgb colour);
    // Both end points are drawn.
    void Line(int x0, int y0, int x1, int y1, Rgb colour);
    // Copies src with each pixel magnified to a scale x scale block.
    void Blit(const Canvas& src, int x, int y, int scale = 1);
    // Paints 1 bits in `one` and 0 bits in `zero`, each magnified to scale x scale.
    void BlitMono(const MonoImage& src, int x, int y, int scale, Rgb one, Rgb zero);
    // As BlitMono, but 0 bits leave the canvas unchanged.
    void BlitMonoInk(const MonoImage& src, int x, int y, int scale, Rgb one);

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_; // width_ * height_ * 3 bytes
};

} // namespace qerno::image
