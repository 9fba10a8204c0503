// DIBs on real bitmaps and a canvas: palettes from colour tables, trips between DIBs and bitmaps
// with the pixels compared, blits with and without a DIB, bad blocks refused, the error box.
#include "RenderTestSupport.h"
#include "support/BoxCloser.h"

#include <cstring>
#include <vector>

namespace {

using DibTest = RenderTest;

// A movable block: an info header, the colour table (blue first, then a pad), then the rows.
HGLOBAL Dib(LONG width, LONG height, WORD bits, const std::vector<COLORREF>& colours,
            const std::vector<BYTE>& rows, DWORD compression = BI_RGB, DWORD coloursUsed = 0) {
    const BITMAPINFOHEADER info = {40, width, height,      1, bits, compression, DWORD(rows.size()),
                                   0,  0,     coloursUsed, 0};
    std::vector<BYTE> bytes(40);
    std::memcpy(bytes.data(), &info, 40);
    for (COLORREF colour : colours)
        bytes.insert(bytes.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0});
    bytes.insert(bytes.end(), rows.begin(), rows.end());
    HGLOBAL block = GlobalAlloc(GHND, bytes.size());
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

constexpr int kWidth = 12, kHeight = 8;
const BITMAPINFO kTopDown32 = {{40, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};

// Every pixel of a picture-sized screen bitmap as 0xRRGGBB, top row first.
std::vector<DWORD> Pixels(HBITMAP bitmap) {
    std::vector<DWORD> pixels(kWidth * kHeight);
    BITMAPINFO info = kTopDown32; // GetDIBits writes to it
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

// Stripes hanging from the top, shorter to the right, on white, in colours the default 16- and
// 256-colour tables hold exactly: a row turned over shows.
HBITMAP Picture() {
    const DWORD stripes[] = {0x000000, 0xFF0000, 0x0000FF, 0x00FF00};
    std::vector<DWORD> pixels(kWidth * kHeight);
    for (int i = 0; i < kWidth * kHeight; ++i)
        pixels[i] =
            i / kWidth < kHeight - 2 * (i % kWidth / 3) ? stripes[i % kWidth / 3] : 0xFFFFFF;
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, kWidth, kHeight);
    SetDIBits(screen, picture, 0, kHeight, pixels.data(), &kTopDown32, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return picture;
}

TEST_F(DibTest, PalettesOfColourTablesByHandleOrPointer) {
    std::vector<COLORREF> colours;
    for (int i = 0; i < 16; ++i)
        colours.push_back(RGB(0xF0 | i, 0x80, i));
    HGLOBAL dib = Dib(1, 1, 4, colours, {0, 0, 0, 0});
    for (HPALETTE palette : {CreateDIBPalette(static_cast<void*>(dib)),
                             CreateDIBPalette(static_cast<char*>(GlobalLock(dib)))}) {
        PALETTEENTRY entries[16] = {};
        ASSERT_EQ(16u, GetPaletteEntries(palette, 0, 16, entries));
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(colours[i], RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue))
                << i;
        DeleteObject(palette);
    }
    GlobalUnlock(dib);
    EXPECT_EQ(0u, GlobalFlags(dib) & GMEM_LOCKCOUNT) << "the handle overload unlocks";
    GlobalFree(dib);
    // A core header's table has three-byte entries: 1 x 1 pixel, 1 bit, two colours, one row.
    BYTE core[12 + 2 * 3 + 4] = {12, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 2, 3, 0x30, 0x20, 0x10};
    HPALETTE corePalette = CreateDIBPalette(reinterpret_cast<char*>(core));
    PALETTEENTRY second = {};
    EXPECT_EQ(1u, GetPaletteEntries(corePalette, 1, 1, &second));
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), RGB(second.peRed, second.peGreen, second.peBlue));
    DeleteObject(corePalette);
}

TEST_F(DibTest, BitmapsGoThroughDibsAndBackUnchanged) {
    HBITMAP picture = Picture();
    const std::vector<DWORD> original = Pixels(picture);
    BoxCloser closer;
    for (unsigned short bits : {0, 4, 100}) { // 0: the picture's own depth; 100: BitmapToDIB
        HGLOBAL dib = bits == 100 ? BitmapToDIB(picture, nullptr)
                                  : DibFromBitmap(picture, BI_RGB, bits, nullptr, 0);
        HPALETTE palette = CreateDIBPalette(static_cast<void*>(dib));
        EXPECT_EQ(bits == 4, palette != nullptr) << bits;
        HBITMAP back = DIBToBitmap(dib, palette);
        EXPECT_EQ(original, Pixels(back)) << bits;
        DeleteObject(back);
        DeleteObject(palette);
        GlobalFree(dib);
    }
    EXPECT_EQ(nullptr, DibFromBitmap(picture, BI_RGB, 7, nullptr, 0)) << "a depth no DIB has";
    DeleteObject(picture);
    EXPECT_TRUE(closer.titles().empty()) << "no colour table is no error";
}

// Three columns, two rows: black, yellow, magenta over red, green, blue, as bottom-up rows
// through an 8-bit colour table.
TEST_F(DibTest, BlitsTheRowsOfADibOrPatBltsWithoutOne) {
    const std::vector<COLORREF> table = {0x0000FF, 0x00FF00, 0xFF0000, 0, 0x00FFFF, 0xFF00FF};
    HGLOBAL dib = Dib(3, 2, 8, table, {0, 1, 2, 0, 3, 4, 5, 0}, BI_RGB, 6);
    const DWORD expected[2][3] = {{0x000000, 0xFFFF00, 0xFF00FF}, {0xFF0000, 0x00FF00, 0x0000FF}};
    CanvasDC canvas(20, 60);
    EXPECT_EQ(1, DibBlt(canvas.get(), 5, 7, 3, 2, dib, 0, 0, SRCCOPY));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i / 3][i % 3], canvas.At(5 + i % 3, 7 + i / 3)) << i;
    canvas.Clear();
    EXPECT_EQ(1, DibBlt(canvas.get(), 0, 0, 3, 50, dib, 0, 0, SRCCOPY)) << "rows past the DIB";
    EXPECT_EQ(6, canvas.CountDrawn());
    GlobalFree(dib);
    canvas.Clear();
    RECT bounds;
    EXPECT_NE(0, DibBlt(canvas.get(), 2, 3, 4, 5, nullptr, 0, 0, BLACKNESS));
    EXPECT_TRUE(canvas.CountDrawn(&bounds) == 20 && bounds.left == 2 && bounds.top == 3);
}

// A block whose header lies (a negative width): each export that locks one refuses it and
// unlocks it. Bitmaps that are none are refused too.
TEST_F(DibTest, BadBlocksAndBitmapsAreRefusedSilently) {
    const HGLOBAL dib = Dib(-4, 1, 24, {}, std::vector<BYTE>(16));
    BoxCloser closer;
    CanvasDC canvas(10, 10);
    EXPECT_EQ(nullptr, CreateDIBPalette(static_cast<void*>(dib)));
    EXPECT_EQ(nullptr, DIBToBitmap(dib, nullptr));
    EXPECT_EQ(0, DibBlt(canvas.get(), 0, 0, 4, 4, dib, 0, 0, SRCCOPY));
    EXPECT_EQ(0u, GlobalFlags(dib) & GMEM_LOCKCOUNT);
    GlobalFree(dib);
    EXPECT_EQ(0, canvas.CountDrawn());
    HGDIOBJ brush = CreateSolidBrush(0);
    for (HBITMAP bitmap : {HBITMAP{}, static_cast<HBITMAP>(brush)})
        EXPECT_TRUE(!DibFromBitmap(bitmap, BI_RGB, 0, nullptr, 0) && !BitmapToDIB(bitmap, nullptr));
    DeleteObject(brush);
    EXPECT_TRUE(closer.titles().empty());
}

TEST_F(DibTest, ABitmapTheScreenCannotHoldIsReportedInAStopBox) {
    // 40000 x 40000 run-length pixels of one colour whose two bytes just end the bitmap.
    HGLOBAL dib = Dib(40000, 40000, 8, {0}, {0, 1}, BI_RLE8, 1);
    BoxCloser closer;
    HBITMAP bitmap = DIBToBitmap(dib, nullptr);
    GlobalFree(dib);
    if (bitmap) {
        DeleteObject(bitmap);
        GTEST_SKIP() << "this system makes the bitmap";
    }
    EXPECT_EQ(std::vector<std::string>{"Error"}, closer.titles()) << "the system's caption";
}

} // namespace
