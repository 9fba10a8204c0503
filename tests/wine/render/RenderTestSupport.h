// What the rendering tests share: the library started once for the executable (the shade and
// correction tables and the shimmer tiles come from its start-up) and a canvas read back
// pixel by pixel.
#pragma once

#include "Qerno.h"
#include "geometry/canvas_dc.h"

#include <gtest/gtest.h>

#include <string>

class RenderTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!GetSysLog()) {
            ASSERT_NE(0, InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll")));
        }
    }
};

// Bit (x, y) of a monochrome tile in rows of 2 bytes, bit 7 of a row's first byte leftmost.
inline bool TileBit(const char* tile, int x, int y) {
    return (static_cast<unsigned char>(tile[2 * y + x / 8]) >> (7 - x % 8)) & 1;
}

// The frame part of the tile in column and row, each 0 at the start, 1 between or 2 at the end:
// corners 7, 4, 5, 6 clockwise from the top-left, edges 0 to 3 clockwise from the top, -1 inside.
inline int FramePart(int column, int row) {
    const int parts[3][3] = {{7, 3, 6}, {0, -1, 2}, {4, 1, 5}};
    return parts[column][row];
}

// "" when each pixel of the width x height canvas is expected(x, y) as 0xRRGGBB, else the first
// that is not.
template <typename Expected>
std::string Mismatch(const CanvasDC& canvas, int width, int height, Expected expected) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (canvas.At(x, y) != static_cast<DWORD>(expected(x, y)))
                return std::to_string(x) + ", " + std::to_string(y);
    return "";
}

// A device row as the logical row that lands on it.
using RowOf = int (*)(int);

// "" when draw(dc, row) puts the same pixels on a canvas in device units and on one whose
// mapping turns y up about device row 140, else the first pixel that differs. Both in bkMode
// with a red text colour and a blue background.
template <typename Draw>
std::string MismatchTurningYUp(int width, int height, int bkMode, Draw draw) {
    CanvasDC device(width, height), up(width, height);
    for (HDC dc : {device.get(), up.get()}) {
        SetBkMode(dc, bkMode);
        SetTextColor(dc, RGB(255, 0, 0));
        SetBkColor(dc, RGB(0, 0, 255));
    }
    SetMapMode(up.get(), MM_ANISOTROPIC);
    SetWindowExtEx(up.get(), 1, -1, nullptr);
    SetViewportExtEx(up.get(), 1, 1, nullptr);
    SetViewportOrgEx(up.get(), 0, 140, nullptr);
    draw(device.get(), [](int y) { return y; });
    draw(up.get(), [](int y) { return 140 - y; });
    if (device.CountDrawn() == 0)
        return "nothing drawn";
    return Mismatch(up, width, height, [&](int x, int y) { return device.At(x, y); });
}
