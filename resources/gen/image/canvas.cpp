#include "canvas.h"

#include "mono_image.h"

#include <cstddef>
#include <cstdlib>

namespace qerno::image {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    FillRect(0, 0, width, height, fill);
}

Rgb Canvas::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return {};
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {pixels_[at], pixels_[at + 1], pixels_[at + 2]};
}

void Canvas::Put(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    pixels_[at] = colour.r;
    pixels_[at + 1] = colour.g;
    pixels_[at + 2] = colour.b;
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour) {
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col)
            Put(col, row, colour);
}

void Canvas::FrameRect(int x, int y, int w, int h, Rgb colour) {
    if (w <= 0 || h <= 0)
        return;
    Line(x, y, x + w - 1, y, colour);
    Line(x, y + h - 1, x + w - 1, y + h - 1, colour);
    Line(x, y, x, y + h - 1, colour);
    Line(x + w - 1, y, x + w - 1, y + h - 1, colour);
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Put(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void Canvas::Blit(const Canvas& src, int x, int y, int scale) {
    for (int row = 0; row < src.Height(); ++row)
        for (int col = 0; col < src.Width(); ++col)
            FillRect(x + col * scale, y + row * scale, scale, scale, src.At(col, row));
}

void Canvas::BlitMono(const MonoImage& src, int x, int y, int scale, Rgb one, Rgb zero) {
    for (int row = 0; row < src.Height(); ++row)
        for (int col = 0; col < src.Width(); ++col)
            FillRect(x + col * scale, y + row * scale, scale, scale, src.At(col, row) ? one : zero);
}

void Canvas::BlitMonoInk(const MonoImage& src, int x, int y, int scale, Rgb one) {
    for (int row = 0; row < src.Height(); ++row)
        for (int col = 0; col < src.Width(); ++col)
            if (src.At(col, row))
                FillRect(x + col * scale, y + row * scale, scale, scale, one);
}

} // namespace qerno::image
