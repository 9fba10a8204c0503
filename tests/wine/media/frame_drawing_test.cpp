// The two drawing helpers: a bitmap copied into place, and the drag outline inverted on the
// screen and removed again.
#include "media/MediaTestSupport.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

TEST(PaintBitmap, CopiesFromTheBitmapsCornerToTheRectsPlaceAndSize) {
    // Black with a grey 15 x 12 corner, which is all that lands in the place.
    std::vector<DWORD> pixels(40 * 30, 0);
    for (int y = 0; y < 12; ++y)
        std::fill_n(&pixels[y * 40], 15, 0x808080);
    HBITMAP bitmap = CreateBitmap(40, 30, 1, 32, pixels.data());
    CanvasDC target(60, 60);
    RECT place = {10, 20, 15, 12}; // x, y, width, height
    PaintBitmap(target.get(), nullptr, &place);
    EXPECT_EQ(0, target.CountDrawn());
    PaintBitmap(target.get(), bitmap, &place);
    RECT drawn = {};
    EXPECT_EQ(15 * 12, target.CountDrawn(&drawn));
    EXPECT_EQ((RECT{10, 20, 25, 32}), drawn);
    EXPECT_EQ(0x808080u, target.At(24, 31));
    DeleteObject(bitmap);
}

TEST(InvertTracker, InvertsAFrameOfTheWindowsSizeAndRemovesItTheSecondTime) {
    HWND window =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr);
    // Grabbed at (7, 9) and dropped at (207, 159): the frame, two pixels wide, starts at
    // (200, 150), its right and bottom edges beyond the window's own size. The first six points
    // lie on it, the others just inside or outside it.
    const POINT points[] = {{200, 150}, {251, 150}, {250, 170}, {200, 190}, {201, 189},
                            {251, 191}, {202, 152}, {249, 170}, {252, 170}};
    HDC screen = GetDC(nullptr);
    COLORREF before[std::size(points)];
    for (size_t i = 0; i < std::size(points); ++i)
        before[i] = GetPixel(screen, points[i].x, points[i].y);
    for (COLORREF inversion : {0xFFFFFFUL, 0UL}) {
        InvertTracker(window, {7, 9}, {207, 159});
        for (size_t i = 0; i < std::size(points); ++i)
            EXPECT_EQ(before[i] ^ (i < 6 ? inversion : 0),
                      GetPixel(screen, points[i].x, points[i].y))
                << "point " << i;
    }
    ReleaseDC(nullptr, screen);
    DestroyWindow(window);
}

} // namespace
