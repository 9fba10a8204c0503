#include "Screenshot.h"

#include "png_writer.h"

#include <cstdint>
#include <vector>

bool SavePicture(HDC source, const RECT& part, int zoom, const std::string& path) {
    const int x = part.left, y = part.top;
    const int width = part.right - part.left, height = part.bottom - part.top;
    if (width <= 0 || height <= 0 || zoom <= 0)
        return false;
    const int shotWidth = width * zoom, shotHeight = height * zoom;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = shotWidth;
    format.bmiHeader.biHeight = -shotHeight; // top-down, as the PNG rows go
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC memoryDc = CreateCompatibleDC(source);
    void* bits = nullptr;
    HBITMAP capture = CreateDIBSection(source, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (capture) {
        HGDIOBJ previous = SelectObject(memoryDc, capture);
        StretchBlt(memoryDc, 0, 0, shotWidth, shotHeight, source, x, y, width, height, SRCCOPY);
        GdiFlush();
        const auto* bgrx = static_cast<const std::uint8_t*>(bits);
        std::vector<std::uint8_t> rgb(static_cast<size_t>(shotWidth) * shotHeight * 3);
        for (size_t pixel = 0; pixel < rgb.size() / 3; ++pixel) {
            rgb[pixel * 3] = bgrx[pixel * 4 + 2];
            rgb[pixel * 3 + 1] = bgrx[pixel * 4 + 1];
            rgb[pixel * 3 + 2] = bgrx[pixel * 4];
        }
        saved = qerno::image::WritePng(path, shotWidth, shotHeight, rgb.data());
        SelectObject(memoryDc, previous);
        DeleteObject(capture);
    }
    DeleteDC(memoryDc);
    return saved;
}

bool SaveWindowScreenshot(HWND window, const std::string& path, Capture area) {
    const bool whole = area == Capture::WholeWindow;
    RECT bounds = {};
    if (whole)
        GetWindowRect(window, &bounds);
    else
        GetClientRect(window, &bounds);
    HDC windowDc = whole ? GetWindowDC(window) : GetDC(window);
    const RECT shot = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    const bool saved = SavePicture(windowDc, shot, 1, path);
    ReleaseDC(window, windowDc);
    return saved;
}

bool SaveCloseUp(HWND window, const RECT& part, int zoom, const std::string& path) {
    HDC windowDc = GetDC(window);
    const bool saved = SavePicture(windowDc, part, zoom, path);
    ReleaseDC(window, windowDc);
    return saved;
}
