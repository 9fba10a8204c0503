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
    const int width = 50, height = 40;
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                nullptr, nullptr);
    const POINT grip = {7, 9}, at = {207, 159};
    const int x = at.x - grip.x, y = at.y - grip.y;
    // Two pixels wide; the right and bottom edges lie beyond the window's own size.
    const POINT edges[] = {
        {x, y},          {x + width + 1, y},      {x + width, y + 20},
        {x, y + height}, {x + 1, y + height - 1}, {x + width + 1, y + height + 1}};
    const POINT clear[] = {{x + 2, y + 2}, {x + width - 1, y + 20}, {x + width + 2, y + 20}};
    HDC screen = GetDC(nullptr);
    const auto read = [screen](const POINT& point) { return GetPixel(screen, point.x, point.y); };
    std::vector<COLORREF> edgesBefore, clearBefore;
    std::transform(std::begin(edges), std::end(edges), std::back_inserter(edgesBefore), read);
    std::transform(std::begin(clear), std::end(clear), std::back_inserter(clearBefore), read);
    for (COLORREF inversion : {0xFFFFFFUL, 0UL}) {
        InvertTracker(window, grip, at);
        for (size_t i = 0; i < edgesBefore.size(); ++i)
            EXPECT_EQ(edgesBefore[i] ^ inversion, read(edges[i])) << "edge point " << i;
        for (size_t i = 0; i < clearBefore.size(); ++i)
            EXPECT_EQ(clearBefore[i], read(clear[i])) << "clear point " << i;
    }
    ReleaseDC(nullptr, screen);
    DestroyWindow(window);
}

} // namespace
