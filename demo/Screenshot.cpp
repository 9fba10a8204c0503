#include "Screenshot.h"

#include "png_writer.h"

#include <cstdint>
#include <vector>

bool SaveWindowScreenshot(HWND window, const std::string& path, Capture area) {
    const bool whole = area == Capture::WholeWindow;
    RECT bounds = {};
    if (whole)
        GetWindowRect(window, &bounds);
    else
        GetClientRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top-down, as the PNG rows go
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;

    HDC windowDc = whole ? GetWindowDC(window) : GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    void* bits = nullptr;
    HBITMAP capture = CreateDIBSection(windowDc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (capture) {
        HGDIOBJ previous = SelectObject(memoryDc, capture);
        BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* bgrx = static_cast<const std::uint8_t*>(bits);
        std::vector<std::uint8_t> rgb(static_cast<size_t>(width) * height * 3);
        for (size_t pixel = 0; pixel < rgb.size() / 3; ++pixel) {
            rgb[pixel * 3] = bgrx[pixel * 4 + 2];
            rgb[pixel * 3 + 1] = bgrx[pixel * 4 + 1];
            rgb[pixel * 3 + 2] = bgrx[pixel * 4];
        }
        saved = qerno::image::WritePng(path, width, height, rgb.data());
        SelectObject(memoryDc, previous);
        DeleteObject(capture);
    }
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return saved;
}
