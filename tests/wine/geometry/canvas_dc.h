// A white memory DC over a 32-bit top-down DIB section whose pixels the tests read back.
#pragma once

#include <windows.h>

#include <algorithm>

class CanvasDC {
public:
    CanvasDC(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<DWORD*>(bits);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        Clear();
    }
    ~CanvasDC() {
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    CanvasDC(const CanvasDC&) = delete;
    CanvasDC& operator=(const CanvasDC&) = delete;

    HDC get() const { return dc_; }
    // Through the bits, whatever the DC's mapping.
    void Clear() {
        GdiFlush();
        std::fill(pixels_, pixels_ + width_ * height_, 0xFFFFFF);
    }
    // The pixel as 0xRRGGBB.
    DWORD At(int x, int y) const {
        GdiFlush();
        return pixels_[y * width_ + x] & 0xFFFFFF;
    }
    // Drawn pixels, and the bounds of them in device pixels.
    int CountDrawn(RECT* bounds = nullptr) const {
        GdiFlush();
        RECT box = {width_, height_, 0, 0};
        int count = 0;
        for (LONG y = 0; y < height_; ++y)
            for (LONG x = 0; x < width_; ++x)
                if ((pixels_[y * width_ + x] & 0xFFFFFF) != 0xFFFFFF) {
                    ++count;
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
                }
        if (bounds)
            *bounds = box;
        return count;
    }

private:
    int width_, height_;
    HBITMAP bitmap_;
    DWORD* pixels_;
    HDC dc_ = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap_;
};
