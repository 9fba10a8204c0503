// The control bar's bitmaps of QernoRes.dll as the system's loader gives them: the generator's
// own tests check the pictures and their encoding, these that GDI reads them as they were meant.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(ResourceModule, ControlBarBitmapsLoadInTheirCellGrids) {
    const HMODULE module = LoadLibraryA("QernoRes.dll");
    HBITMAP buttons = LoadBitmapA(module, MAKEINTRESOURCEA(6421));
    HBITMAP thumbs = LoadBitmapA(module, MAKEINTRESOURCEA(6426));
    BITMAP size = {};
    ASSERT_TRUE(GetObjectA(buttons, sizeof size, &size));
    const LONG buttonWidth = size.bmWidth / 10, buttonHeight = size.bmHeight / 6;
    EXPECT_GT(buttonWidth, 8);
    // Exactly 10 x 6 cells: the bar divides the sheet to find a cell.
    EXPECT_EQ(10 * buttonWidth, size.bmWidth);
    EXPECT_EQ(6 * buttonHeight, size.bmHeight);
    // The row, its separator and the track share the bar's 80 pixels.
    EXPECT_LE(buttonHeight, 30);

    // Four thumbs side by side; the mask must read back exactly yellow, or the thumb is drawn in
    // a yellow box.
    ASSERT_TRUE(GetObjectA(thumbs, sizeof size, &size));
    ASSERT_EQ(0, size.bmWidth % 4);
    const LONG thumbWidth = size.bmWidth / 4;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, thumbs);
    int mask = 0;
    for (LONG y = 0; y < size.bmHeight; ++y)
        for (LONG x = 0; x < thumbWidth; ++x)
            mask += GetPixel(dc, x, y) == RGB(255, 255, 0);
    EXPECT_GT(mask, 0);
    EXPECT_LT(mask, thumbWidth * size.bmHeight / 2) << "the thumb is mostly mask";
    EXPECT_NE(RGB(255, 255, 0), GetPixel(dc, thumbWidth / 2, size.bmHeight / 2));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(thumbs);
    DeleteObject(buttons);
    FreeLibrary(module);
}

} // namespace
