// A one-bit picture turned through a full circle in steps of 30 degrees, leant both ways, and
// a fill pattern turned by quarter turns.
#include "Qerno.h"
#include "Scene.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kMargin = 24;
constexpr int kZoom = 2;
constexpr int kCaptionHeight = 18;
constexpr long kPictureWidth = 64;
constexpr long kPictureHeight = 40;
constexpr int kTurnCellHeight = 184;
constexpr int kSlantRowHeight = 120;

// Rows of ceil(width / 8) bytes, as rotate and slant take them.
struct OneBitPicture {
    long width = 0;
    long height = 0;
    std::vector<BYTE> bits;
};

long ByteStride(long width) {
    return (width + 7) / 8;
}

long DibStride(long width) {
    return (width + 31) / 32 * 4;
}

// A top-down one-bit DIB header whose colour 0 is the paper and colour 1 the ink.
struct OneBitInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
};

OneBitInfo MakeInfo(long width, long height, COLORREF paper, COLORREF ink) {
    OneBitInfo info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.colours[0] = {GetBValue(paper), GetGValue(paper), GetRValue(paper), 0};
    info.colours[1] = {GetBValue(ink), GetGValue(ink), GetRValue(ink), 0};
    return info;
}

// An arrow and a letter drawn by GDI in white on black, so drawn pixels are set bits.
OneBitPicture DrawPicture(HDC dc) {
    OneBitPicture picture{kPictureWidth, kPictureHeight, {}};
    OneBitInfo info = MakeInfo(kPictureWidth, kPictureHeight, RGB(0, 0, 0), RGB(255, 255, 255));
    void* dibBits = nullptr;
    HBITMAP section = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                       &dibBits, nullptr, 0);
    HDC memory = CreateCompatibleDC(dc);
    if (!section || !memory) {
        if (section)
            DeleteObject(section);
        if (memory)
            DeleteDC(memory);
        return picture;
    }
    HGDIOBJ oldBitmap = SelectObject(memory, section);
    PatBlt(memory, 0, 0, kPictureWidth, kPictureHeight, BLACKNESS);
    HGDIOBJ oldBrush = SelectObject(memory, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(memory, GetStockObject(WHITE_PEN));
    const POINT arrow[] = {{2, 16}, {22, 16}, {22, 8}, {36, 20}, {22, 32}, {22, 24}, {2, 24}};
    Polygon(memory, arrow, 7);
    HFONT font = CreateFontA(30, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0,
                             NONANTIALIASED_QUALITY, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, RGB(255, 255, 255));
    TextOutA(memory, 38, 4, "Q", 1);
    GdiFlush();

    picture.bits.resize(ByteStride(kPictureWidth) * kPictureHeight);
    for (long y = 0; y < kPictureHeight; ++y)
        std::memcpy(&picture.bits[y * ByteStride(kPictureWidth)],
                    static_cast<const BYTE*>(dibBits) + y * DibStride(kPictureWidth),
                    ByteStride(kPictureWidth));

    SelectObject(memory, oldFont);
    DeleteObject(font);
    SelectObject(memory, oldPen);
    SelectObject(memory, oldBrush);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    DeleteObject(section);
    return picture;
}

// Shows a picture magnified with its set bits in ink, framed at the size it was given.
void ShowPicture(HDC dc, int x, int y, const OneBitPicture& picture, COLORREF ink) {
    if (picture.width <= 0 || picture.height <= 0)
        return;
    std::vector<BYTE> dibBits(DibStride(picture.width) * picture.height);
    for (long row = 0; row < picture.height; ++row)
        std::memcpy(&dibBits[row * DibStride(picture.width)],
                    &picture.bits[row * ByteStride(picture.width)], ByteStride(picture.width));
    OneBitInfo info = MakeInfo(picture.width, picture.height, RGB(255, 255, 255), ink);
    const int width = picture.width * kZoom;
    const int height = picture.height * kZoom;
    StretchDIBits(dc, x, y, width, height, 0, 0, picture.width, picture.height, dibBits.data(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
    RECT frame = {x - 1, y - 1, x + width + 1, y + height + 1};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
}

OneBitPicture Turned(OneBitPicture& source, long angle) {
    OneBitPicture turned;
    rotwh(source.width, source.height, &turned.width, &turned.height, angle);
    turned.bits.resize(ByteStride(turned.width) * turned.height);
    rotate(source.bits.data(), source.width, source.height, turned.bits.data(), &turned.width,
           &turned.height, angle);
    return turned;
}

OneBitPicture Leant(OneBitPicture& source, long angle) {
    OneBitPicture leant;
    leant.height = source.height;
    slantwh(source.width, source.height, &leant.width, angle);
    leant.bits.resize(ByteStride(leant.width) * leant.height);
    slant(source.bits.data(), source.width, source.height, leant.bits.data(), &leant.width, angle);
    return leant;
}

void Caption(HDC dc, int x, int y, const char* text) {
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

// Twelve cells, each centring its turned picture under a caption.
void PaintTurns(HDC dc, OneBitPicture& picture, int top) {
    constexpr int kCellWidth = 160;
    for (int step = 0; step < 12; ++step) {
        const long angle = 30L * step;
        const int left = kMargin + (step % 6) * kCellWidth;
        const int cellTop = top + (step / 6) * kTurnCellHeight;
        char text[16]; // "330 degrees" and the terminator
        std::snprintf(text, sizeof text, "%ld degrees", angle);
        Caption(dc, left, cellTop, text);
        const OneBitPicture turned = Turned(picture, angle);
        const int boxHeight = kTurnCellHeight - kCaptionHeight - 8;
        ShowPicture(dc, left + (kCellWidth - 16 - turned.width * kZoom) / 2,
                    cellTop + kCaptionHeight + (boxHeight - turned.height * kZoom) / 2, turned,
                    RGB(0, 0, 128));
    }
}

void PaintSlants(HDC dc, OneBitPicture& picture, int top) {
    const long angles[] = {-40, -20, 0, 20, 40};
    int left = kMargin;
    for (long angle : angles) {
        char text[24]; // "slant -40 degrees" and the terminator
        std::snprintf(text, sizeof text, "slant %ld degrees", angle);
        Caption(dc, left, top, text);
        const OneBitPicture leant = Leant(picture, angle);
        ShowPicture(dc, left, top + kCaptionHeight + 2, leant, RGB(128, 0, 0));
        left += leant.width * kZoom + 24;
    }
}

// A 16 x 16 fill pattern: an L in the top-left quarter, turned by the quarter turns.
void PaintPatternTurns(HDC dc, int top) {
    constexpr int kPatternZoom = 4;
    char pattern[32] = {}; // 16 rows of two bytes
    for (int row = 1; row < 8; ++row)
        pattern[2 * row] = static_cast<char>(0x40);
    pattern[14] = static_cast<char>(0x7F);
    const int angles[] = {0, 90, 180, 270};
    int left = kMargin;
    for (int angle : angles) {
        char turned[32]; // the pattern
        std::memcpy(turned, pattern, sizeof turned);
        RotateBmp(angle, turned, nullptr);
        char text[24]; // "pattern 270" and the terminator
        std::snprintf(text, sizeof text, "pattern %d", angle);
        Caption(dc, left, top, text);
        std::vector<BYTE> dibBits(DibStride(16) * 16);
        for (int row = 0; row < 16; ++row)
            std::memcpy(&dibBits[row * DibStride(16)], &turned[row * 2], 2);
        OneBitInfo info = MakeInfo(16, 16, RGB(255, 255, 255), RGB(0, 96, 0));
        StretchDIBits(dc, left, top + kCaptionHeight + 2, 16 * kPatternZoom, 16 * kPatternZoom, 0,
                      0, 16, 16, dibBits.data(), reinterpret_cast<BITMAPINFO*>(&info),
                      DIB_RGB_COLORS, SRCCOPY);
        RECT frame = {left - 1, top + kCaptionHeight + 1, left + 16 * kPatternZoom + 1,
                      top + kCaptionHeight + 3 + 16 * kPatternZoom};
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        left += 16 * kPatternZoom + 40;
    }
}

void PaintRotation(HDC dc, const RECT&) {
    const int savedState = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    OneBitPicture picture = DrawPicture(dc);
    if (!picture.bits.empty()) {
        PaintTurns(dc, picture, kMargin);
        PaintSlants(dc, picture, kMargin + 2 * kTurnCellHeight + 8);
    }
    PaintPatternTurns(dc, kMargin + 2 * kTurnCellHeight + 8 + kSlantRowHeight);
    RestoreDC(dc, savedState);
}

} // namespace

extern const Scene kRotationScene = {"08-rotation", "A bitmap turned through a full circle",
                                     PaintRotation};
