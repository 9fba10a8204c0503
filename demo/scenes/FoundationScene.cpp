// The library started with its resource module: versions, texts and pictures it brought.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kMargin = 16;
constexpr int kLineHeight = 18;

constexpr int kColumnWidth = 440;

// One line of the left column, cut with an ellipsis where the column ends.
void Line(HDC dc, int x, int y, const std::string& text) {
    RECT line = {x, y, x + kColumnWidth, y + kLineHeight};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &line,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void PaintVersions(HDC dc, int x, int y) {
    DrawSceneHeading(dc, x, y, "Versions");
    char text[96];
    std::snprintf(text, sizeof text, "Library %u.%u.%u.%u - product %u.%u", GetLumoVer(0),
                  GetLumoVer(1), GetLumoVer(2), GetLumoVer(3), GetLumoVer(4), GetLumoVer(5));
    Line(dc, x, y + kLineHeight, text);
    std::snprintf(text, sizeof text, "Document version %u.%u.%u.%u", GetCurLumoFileVer(0),
                  GetCurLumoFileVer(1), GetCurLumoFileVer(2), GetCurLumoFileVer(3));
    Line(dc, x, y + 2 * kLineHeight, text);
}

void PaintStrings(HDC dc, int x, int y) {
    static const unsigned int kSample[] = {11266, 12059, 11600, 11601, 11602, 11603, 11616, 11618,
                                           12000, 12001, 12002, 12003, 12009, 11034, 11031, 11309,
                                           12300, 14100, 14132, 14260, 13000, 13001};
    DrawSceneHeading(dc, x, y, "Strings of the resource module");
    int row = 1;
    for (unsigned int id : kSample) {
        char text[160] = {};
        GetIDStringB(id, text, sizeof text);
        Line(dc, x, y + row++ * kLineHeight, std::to_string(id) + "  " + text);
    }
}

// Draws a resource bitmap magnified, on a frame so its edges show.
void PaintBitmap(HDC dc, int x, int y, HBITMAP bitmap, int zoom, const char* caption) {
    BITMAP size = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof size, &size))
        return;
    DrawSceneHeading(dc, x, y, caption);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    const int top = y + kLineHeight + 2;
    StretchBlt(dc, x, top, size.bmWidth * zoom, size.bmHeight * zoom, source, 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    RECT frame = {x - 1, top - 1, x + size.bmWidth * zoom + 1, top + size.bmHeight * zoom + 1};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

void PaintResourceBitmap(HDC dc, int x, int y, WORD id, int zoom, const char* caption) {
    HBITMAP bitmap = LoadBitmapA(GetRCDllInstance(), MAKEINTRESOURCEA(id));
    PaintBitmap(dc, x, y, bitmap, zoom, caption);
    if (bitmap)
        DeleteObject(bitmap);
}

void PaintFoundation(HDC dc, const RECT& client) {
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int right = client.right - 500;
    PaintVersions(dc, kMargin, kMargin);
    PaintStrings(dc, kMargin, kMargin + 4 * kLineHeight);

    PaintResourceBitmap(dc, right, kMargin, 6421, 2, "Control bar buttons (6421)");
    PaintResourceBitmap(dc, right, 360, 6426, 4, "Thumbs (6426)");
    PaintBitmap(dc, right + 240, 360, GetVertShimmerBmp(), 4, "Shimmer 6419");
    PaintBitmap(dc, right + 340, 360, GetHoriShimmerBmp(), 4, "6420");
}

} // namespace

const Scene kFoundationScene = {"01-foundation", "Start-up and the resource module",
                                PaintFoundation};
