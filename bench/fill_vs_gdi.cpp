// DrawFountainRect beside the system's own gradient of the same rectangle and colours and beside
// a plain fill of the same pixels (the floor), and a full-HD bitmap through DibFromBitmap and
// DIBToBitmap beside bare GetDIBits and SetDIBits, all on one memory DC in the same run.
#include "Qerno.h"
#include "RatioLine.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRounds = 40;
constexpr int kRatioRuns = 7;
constexpr int kRatioRounds = 10;
constexpr COLORREF kFirst = RGB(0, 0, 0);
constexpr COLORREF kSecond = RGB(255, 255, 255);

// A top-down 32-bit section: the canvas an off-screen renderer draws on.
HBITMAP CanvasSection(DWORD** pixels) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    *pixels = static_cast<DWORD*>(bits);
    return section;
}

void CompareFills(HDC dc, DWORD* pixels) {
    RECT whole = {0, 0, kWidth, kHeight};
    const double patBlt =
        MillisecondsPerCall(kRounds, [&] { PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS); });
    // GDI is flushed before the section's bits are written, as a renderer must; the opaque
    // call also keeps the compiler from folding the repeated stores into one.
    const double memset = MillisecondsPerCall(kRounds, [&] {
        GdiFlush();
        std::memset(pixels, 0xFF, sizeof(DWORD) * kWidth * kHeight);
    });
    std::printf("Fills of %d x %d, black to white (ratios to PatBlt)\n", kWidth, kHeight);
    ReportTime("PatBlt WHITENESS (the floor)", patBlt, patBlt);
    ReportTime("memset of the pixels", memset, patBlt);
    // The shade brush stays selected: only pattern mode paints with it.
    HBRUSH shade = CreateShadePatternBrush(dc, 20, 0, 0);
    HGDIOBJ oldBrush = SelectObject(dc, shade);
    for (int direction : {0, 90}) {
        const bool down = direction == 90;
        TRIVERTEX ends[2] = {{0, 0, 0, 0, 0, 0}, {kWidth, kHeight, 0xFF00, 0xFF00, 0xFF00, 0}};
        GRADIENT_RECT pair = {0, 1};
        const auto gradient = [&] {
            GradientFill(dc, ends, 2, &pair, 1, down ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
        };
        const auto fill = [&] {
            DrawFountainRect(dc, &whole, nullptr, direction, 0, kFirst, kSecond, 0);
        };
        const auto pattern = [&] {
            DrawFountainRect(dc, &whole, nullptr, direction, 0, kFirst, kSecond, 1);
        };
        const auto floor = [&] { PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS); };
        std::printf("%s\n", down ? "top to bottom" : "left to right");
        ReportTime("  GradientFill", MillisecondsPerCall(kRounds, gradient), patBlt);
        ReportTime("  DrawFountainRect, a solid brush per band", MillisecondsPerCall(kRounds, fill),
                   patBlt);
        ReportTime("  DrawFountainRect, a shade brush in pattern mode",
                   MillisecondsPerCall(kRounds, pattern), patBlt);
        // The plain fill against GradientFill, pattern mode against the floor.
        PrintRatio(down ? "fill_tb" : "fill_lr",
                   MedianRatio(kRatioRuns, kRatioRounds, fill, gradient));
        PrintRatio(down ? "fill_pattern_tb" : "fill_pattern_lr",
                   MedianRatio(kRatioRuns, kRatioRounds, pattern, floor));
    }
    SelectObject(dc, oldBrush);
    DeleteObject(shade);
}

// The bitmap is of the screen's format, as a host's off-screen picture is.
void CompareDibTrips(HDC dc) {
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, picture);
    RECT whole = {0, 0, kWidth, kHeight};
    DrawFountainRect(dc, &whole, nullptr, 0, 64, RGB(200, 30, 10), RGB(10, 40, 220), 0);
    SelectObject(dc, old);

    const double library = MillisecondsPerCall(kRounds, [&] {
        void* dib = DibFromBitmap(picture, BI_RGB, 24, nullptr, 0);
        HBITMAP back = DIBToBitmap(dib, nullptr);
        DeleteObject(back);
        GlobalFree(dib);
    });

    const double bare = MillisecondsPerCall(kRounds, [&] {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        const SIZE_T rowBytes = (kWidth * 24 + 31) / 32 * 4;
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, rowBytes * kHeight);
        void* bits = GlobalLock(block);
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, picture, 0, kHeight, bits, &info, DIB_RGB_COLORS);
        HBITMAP back = CreateCompatibleBitmap(screen, kWidth, kHeight);
        SetDIBits(screen, back, 0, kHeight, bits, &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        DeleteObject(back);
        GlobalUnlock(block);
        GlobalFree(block);
    });
    DeleteObject(picture);

    std::printf("A %d x %d bitmap to a 24-bit DIB and back\n", kWidth, kHeight);
    ReportTime("  GetDIBits, then SetDIBits into a new bitmap", bare, bare);
    ReportTime("  DibFromBitmap, then DIBToBitmap", library, bare);
}

} // namespace

int main() {
    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    if (!InitQernoDll(nullptr, resources)) // the shade brush needs the library's tables
        return 1;
    DWORD* pixels = nullptr;
    HBITMAP canvas = CanvasSection(&pixels);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldCanvas = SelectObject(dc, canvas);
    SelectObject(dc, GetStockObject(NULL_PEN));
    CompareFills(dc, pixels);
    SelectObject(dc, oldCanvas);
    CompareDibTrips(dc);
    DeleteDC(dc);
    DeleteObject(canvas);
    return 0;
}
