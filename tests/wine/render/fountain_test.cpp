// Fountain fills read back pixel by pixel: bands along both axes under three mappings, a clip
// rectangle and the DC's clip region, pattern mode over a shade brush with its origin kept.
#include "RenderTestSupport.h"

#include <vector>

namespace {

using FountainFill = RenderTest;

// Black to red over these 100 pixels is 25 bands of 4, band i 255 * i / 24 red.
const RECT kDeviceFill = {10, 10, 110, 110};

// "" when exactly the pixels of area are drawn, each in its band's colour, or in green where a
// hatch's 1 bits, column 3 from the fill's corner, lie.
std::string Bands(const CanvasDC& canvas, RECT area, bool down, bool hatched = false) {
    return Mismatch(canvas, 120, 120, [&](int x, int y) {
        const int along = (down ? y : x) - 10;
        return !PtInRect(&area, {x, y})    ? 0xFFFFFFu
               : hatched && along % 8 == 3 ? 0x00FF00u
                                           : static_cast<DWORD>(255 * (along / 4) / 24) << 16;
    });
}

// The null pen so that bands tile, a stock brush, a brush origin and a window origin of its
// own; the anisotropic mapping two units a pixel, y upwards and its viewport origin moved.
struct FillCanvas : CanvasDC {
    explicit FillCanvas(int mapMode = MM_TEXT) : CanvasDC(120, 120) {
        SelectObject(get(), GetStockObject(NULL_PEN));
        SelectObject(get(), GetStockObject(GRAY_BRUSH));
        SetBrushOrgEx(get(), 3, 5, nullptr);
        SetMapMode(get(), mapMode);
        SetWindowExtEx(get(), 2, 2, nullptr);
        SetViewportExtEx(get(), 1, -1, nullptr);
        SetWindowOrgEx(get(), -20, 0, nullptr);
        SetViewportOrgEx(get(), 0, mapMode == MM_ANISOTROPIC ? 120 : 0, nullptr);
    }
    // A device rectangle in the DC's units, corners the other way round.
    RECT Logical(RECT device) const {
        DPtoLP(get(), reinterpret_cast<POINT*>(&device), 2);
        return {device.right, device.bottom, device.left, device.top};
    }
};

// With the null pen the last band ends a pixel short of the far edge, and across the axis
// the pixel the bands reach past it is taken back.
TEST_F(FountainFill, BandsAlongEitherAxisInEveryMapping) {
    for (int mapMode : {MM_TEXT, MM_TWIPS, MM_ANISOTROPIC}) {
        for (int direction : {0, 45, 90}) {
            FillCanvas canvas(mapMode);
            RECT fill = canvas.Logical(kDeviceFill);
            DrawFountainRect(canvas.get(), &fill, nullptr, direction, 0, 0, RGB(255, 0, 0), 0);
            const bool down = direction == 90;
            EXPECT_EQ("", Bands(canvas, {10, 10, down ? 110 : 109, down ? 109 : 110}, down))
                << mapMode << " " << direction;
        }
    }
}

TEST_F(FountainFill, ClipsAndPatternModeOverTheShadeBrushKeepingItsOrigin) {
    // Bands 7 (from column 38) to 15 (up to 73) reach columns 40 to 70, cut to rows 30 to 79.
    const RECT deviceClip = {40, 30, 70, 80};
    FillCanvas byRect(MM_ANISOTROPIC), byRegion(MM_ANISOTROPIC);
    RECT fill = byRect.Logical(kDeviceFill), clip = byRect.Logical(deviceClip);
    DrawFountainRect(byRect.get(), &fill, &clip, 0, 0, 0, RGB(255, 0, 0), 0);
    EXPECT_EQ("", Bands(byRect, {38, 30, 74, 80}, false));

    HRGN region = CreateRectRgnIndirect(&deviceClip);
    SelectClipRgn(byRegion.get(), region);
    DeleteObject(region);
    DrawFountainRect(byRegion.get(), &fill, nullptr, 0, 0, 0, RGB(255, 0, 0), 0);
    EXPECT_EQ("", Bands(byRegion, deviceClip, false));

    // Pattern mode colours the shade brush's 0 bits from the fill's corner, keeping brush and
    // origin.
    FillCanvas canvas;
    HDC dc = canvas.get();
    HBRUSH hatch = CreateShadePatternBrush(dc, 1, 2, 0); // 1 bits in column 3 only
    HGDIOBJ previous = SelectObject(dc, hatch);
    SetBkColor(dc, RGB(0, 255, 0));
    fill = canvas.Logical(kDeviceFill);
    DrawFountainRect(dc, &fill, nullptr, 0, 0, 0, RGB(255, 0, 0), 1);
    POINT brushOrigin;
    GetBrushOrgEx(dc, &brushOrigin);
    EXPECT_TRUE(GetCurrentObject(dc, OBJ_BRUSH) == hatch && brushOrigin.x == 3 &&
                brushOrigin.y == 5);
    DrawFountainRect(dc, nullptr, nullptr, 0, 0, RGB(0, 0, 255), 0, 1); // both refused
    DrawFountainRect(nullptr, &fill, nullptr, 0, 0, RGB(0, 0, 255), 0, 1);
    EXPECT_EQ("", Bands(canvas, {10, 10, 109, 110}, false, true));
    SelectObject(dc, previous);
    DeleteObject(hatch);
}

// Where the DC allows, the bands are written into a section's pixels or, on a device bitmap,
// copied, in pattern mode through the shade brush's or a hatch's cell. The mask mix keeps the
// library on its one-by-one path, and on white it paints what the copy mix does.
TEST_F(FountainFill, CopiedBandsMatchBandsPaintedOneByOne) {
    const RECT fill = {7, 12, 113, 109}, deviceClip = {33, 27, 81, 95};
    HRGN notched = CreateRectRgn(15, 15, 100, 60), leg = CreateRectRgn(15, 60, 50, 105);
    CombineRgn(notched, notched, leg, RGN_OR);
    HBRUSH shade = CreateShadePatternBrush(nullptr, 12, 0, 0);
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(200, 20, 120));
    // Ten steps over a hundred pixels widen the bands; the other pair keeps them at 4.
    const COLORREF pairs[][2] = {{RGB(40, 200, 90), RGB(46, 197, 99)}, {0, RGB(255, 128, 0)}};
    std::vector<DWORD> white(120 * 120, 0xFFFFFF), device(120 * 120);
    for (int mapMode : {MM_TEXT, MM_TWIPS, MM_ANISOTROPIC})
        for (int clipping : {0, 1, 2}) // none, a clip rectangle, a region in the DC
            for (const auto& pair : pairs)
                for (int midpoint : {0, 64, 128})
                    for (int direction : {0, 90})
                        for (int pattern : {0, 1, 2}) // off, the shade, the hatch
                            for (bool onDevice : {false, true}) {
                                FillCanvas copied(mapMode), banded(mapMode);
                                SetROP2(banded.get(), R2_MASKPEN);
                                HBITMAP bitmap = CreateBitmap(120, 120, 1, 32, white.data());
                                HGDIOBJ section =
                                    onDevice ? SelectObject(copied.get(), bitmap) : nullptr;
                                RECT logical = copied.Logical(fill);
                                RECT clip = copied.Logical(deviceClip);
                                for (HDC dc : {copied.get(), banded.get()}) {
                                    SelectClipRgn(dc, clipping == 2 ? notched : nullptr);
                                    SelectObject(dc, pattern == 2 ? hatch : shade);
                                    DrawFountainRect(dc, &logical, clipping == 1 ? &clip : nullptr,
                                                     direction, midpoint, pair[0], pair[1],
                                                     pattern != 0);
                                    SelectObject(dc, GetStockObject(GRAY_BRUSH));
                                }
                                if (onDevice)
                                    SelectObject(copied.get(), section);
                                GetBitmapBits(bitmap, 4 * 120 * 120, device.data());
                                DeleteObject(bitmap);
                                EXPECT_EQ("", Mismatch(banded, 120, 120,
                                                       [&](int x, int y) {
                                                           return onDevice ? device[y * 120 + x] &
                                                                                 0xFFFFFF
                                                                           : copied.At(x, y);
                                                       }))
                                    << mapMode << " clip " << clipping << " " << pair[1] << " mid "
                                    << midpoint << " dir " << direction << " pattern " << pattern
                                    << " device " << onDevice;
                            }
    DeleteObject(hatch);
    DeleteObject(shade);
    DeleteObject(notched);
    DeleteObject(leg);
}

// A fill of a screen's size is written by two threads at once, each taking rows in turn: through
// a region and a hatch, across and along, its pixels are still those the band path paints.
TEST_F(FountainFill, LargeFillsWrittenByTwoThreadsMatchBands) {
    constexpr int kWidth = 800, kHeight = 600;
    const RECT fill = {5, 7, 795, 598};
    HRGN notched = CreateRectRgn(0, 0, 700, 300), leg = CreateRectRgn(30, 300, 350, 590);
    CombineRgn(notched, notched, leg, RGN_OR);
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(200, 20, 120));
    for (bool clipped : {false, true})
        for (int direction : {0, 90})
            for (int pattern : {0, 1}) {
                CanvasDC copied(kWidth, kHeight), banded(kWidth, kHeight);
                SetROP2(banded.get(), R2_MASKPEN);
                for (HDC dc : {copied.get(), banded.get()}) {
                    SelectObject(dc, GetStockObject(NULL_PEN));
                    SelectClipRgn(dc, clipped ? notched : nullptr);
                    HGDIOBJ previous = SelectObject(dc, hatch);
                    RECT area = fill;
                    DrawFountainRect(dc, &area, nullptr, direction, 64, RGB(10, 20, 30),
                                     RGB(250, 200, 100), pattern);
                    SelectObject(dc, previous);
                }
                EXPECT_EQ("", Mismatch(banded, kWidth, kHeight,
                                       [&](int x, int y) { return copied.At(x, y); }))
                    << "clipped " << clipped << " dir " << direction << " pattern " << pattern;
            }
    DeleteObject(hatch);
    DeleteObject(notched);
    DeleteObject(leg);
}

} // namespace
