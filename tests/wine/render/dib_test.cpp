// DIBs on real bitmaps and a canvas: palettes from colour tables, trips between DIBs and bitmaps
// with the pixels compared, blits with and without a DIB, the BMP layouts of today's tools drawn
// as GDI draws them, bad blocks refused, the error box.
#include "RenderTestSupport.h"
#include "TestMedia.h"
#include "TestPicture.h"
#include "support/BoxCloser.h"
#include "support/MediaFiles.h"
#include "support/TestFiles.h"

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

// The entries of a palette, which is deleted, as COLORREFs; none without a palette.
std::vector<COLORREF> ColoursOf(HPALETTE palette) {
    PALETTEENTRY entries[256]; // the most a DIB's colour table holds
    std::vector<COLORREF> colours(GetPaletteEntries(palette, 0, 256, entries));
    DeleteObject(palette);
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
    return colours;
}

constexpr int kWidth = 12, kHeight = 8;
const BITMAPINFO kTopDown32 = {{40, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};

// Every pixel of a screen bitmap, which is deleted, as 0xRRGGBB, top row first.
std::vector<DWORD> Pixels(HBITMAP bitmap, int width = kWidth, int height = kHeight) {
    std::vector<DWORD> pixels(width * height);
    BITMAPINFO info = {{40, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
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
    EXPECT_EQ(colours, ColoursOf(CreateDIBPalette(static_cast<void*>(dib))));
    EXPECT_EQ(0u, GlobalFlags(dib) & GMEM_LOCKCOUNT) << "the handle overload unlocks";
    EXPECT_EQ(colours, ColoursOf(CreateDIBPalette(static_cast<char*>(GlobalLock(dib)))));
    GlobalUnlock(dib);
    GlobalFree(dib);
    // A core header's table has three-byte entries: 1 x 1 pixel, 1 bit, two colours, one row.
    BYTE core[12 + 2 * 3 + 4] = {12, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 2, 3, 0x30, 0x20, 0x10};
    EXPECT_EQ((std::vector<COLORREF>{RGB(3, 2, 1), RGB(0x10, 0x20, 0x30)}),
              ColoursOf(CreateDIBPalette(reinterpret_cast<char*>(core))));
}

TEST_F(DibTest, BitmapsGoThroughDibsAndBackUnchanged) {
    const std::vector<DWORD> original = Pixels(Picture());
    HBITMAP picture = Picture();
    BoxCloser closer;
    for (unsigned short bits : {0, 4, 100}) { // 0: the picture's own depth; 100: BitmapToDIB
        HGLOBAL dib = bits == 100 ? BitmapToDIB(picture, nullptr)
                                  : DibFromBitmap(picture, BI_RGB, bits, nullptr, 0);
        HPALETTE palette = CreateDIBPalette(static_cast<void*>(dib));
        EXPECT_EQ(bits == 4, palette != nullptr) << bits;
        EXPECT_EQ(original, Pixels(DIBToBitmap(dib, palette))) << bits;
        DeleteObject(palette);
        GlobalFree(dib);
    }
    EXPECT_EQ(nullptr, DibFromBitmap(picture, BI_RGB, 7, nullptr, 0)) << "a depth no DIB has";
    DeleteObject(picture);
    EXPECT_TRUE(closer.titles().empty()) << "no colour table is no error";
}

// A 24-bit DIB becomes a bitmap of the screen's depth a strip of rows at a time: rows padded to
// whole words, strips that end mid-picture, either row order.
TEST_F(DibTest, TallTwentyFourBitDibsBecomeBitmapsPixelForPixel) {
    constexpr LONG w = 37, h = 1000; // 111 bytes a row and a byte of padding
    std::vector<BYTE> rows(112 * h);
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<BYTE>(i * 7 + i / 112);
    for (LONG height : {h, -h}) {
        HGLOBAL dib = Dib(w, height, 24, {}, rows);
        const std::vector<DWORD> pixels = Pixels(DIBToBitmap(dib, nullptr), w, h);
        GlobalFree(dib);
        for (LONG y = 0; y < h; ++y) {
            const BYTE* row = &rows[112 * (height < 0 ? y : h - 1 - y)];
            for (LONG x = 0; x < w; ++x)
                ASSERT_EQ(
                    static_cast<DWORD>(row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16),
                    pixels[y * w + x])
                    << height << ": " << x << ", " << y;
        }
    }
}

// Rows past the DIB's own are not drawn.
TEST_F(DibTest, BlitsTheRowsOfADibOrPatBltsWithoutOne) {
    HGLOBAL dib = Dib(3, 2, 8, {0x0000FF, 0}, {0, 1, 0, 0, 1, 0, 1, 0}, BI_RGB, 2);
    CanvasDC canvas(20, 60);
    EXPECT_EQ(1, DibBlt(canvas.get(), 5, 7, 3, 50, dib, 0, 0, SRCCOPY));
    RECT bounds;
    EXPECT_TRUE(canvas.CountDrawn(&bounds) == 6 && bounds.left == 5 && bounds.right == 8);
    GlobalFree(dib);
    canvas.Clear();
    EXPECT_NE(0, DibBlt(canvas.get(), 2, 3, 4, 5, nullptr, 0, 0, BLACKNESS));
    EXPECT_TRUE(canvas.CountDrawn(&bounds) == 20 && bounds.left == 2 && bounds.top == 3);
}

// The generated files in the layouts today's tools write: each blits and converts as GDI's own
// StretchDIBits draws the same block, which shows the test card in the bits the masks keep; the
// indexed one's palette is its colour table.
TEST_F(DibTest, TodaysBmpLayoutsDrawAsGdiDrawsThem) {
    constexpr int w = testmedia::kVideoWidth, h = testmedia::kVideoHeight;
    for (const testmedia::Picture& picture : testmedia::kModernPictures) {
        SCOPED_TRACE(picture.file);
        const std::string file = ReadFileBytes(MediaPath(picture.file));
        ASSERT_GT(file.size(), 14u); // the file header, then the packed DIB
        CanvasDC gdi(w, h), canvas(w, h);
        StretchDIBits(gdi.get(), 0, 0, w, h, 0, 0, w, h,
                      &file[BYTE(file[10]) | BYTE(file[11]) << 8],
                      reinterpret_cast<const BITMAPINFO*>(&file[14]), DIB_RGB_COLORS, SRCCOPY);
        const DWORD kept = picture.bitCount == 16 ? 0xF8F8F8 : 0xFFFFFF; // 5 bits a channel
        EXPECT_EQ("", Mismatch(gdi, w, h, [&](int x, int y) {
                      const COLORREF card = testmedia::FramePixel(0, x, y);
                      return (RGB(GetBValue(card), GetGValue(card), GetRValue(card)) & kept) |
                             (gdi.At(x, y) & ~kept);
                  }));
        HGLOBAL dib = GlobalAlloc(GHND, file.size() - 14);
        std::memcpy(GlobalLock(dib), &file[14], file.size() - 14);
        GlobalUnlock(dib);
        EXPECT_EQ(1, DibBlt(canvas.get(), 0, 0, w, h, dib, 0, 0, SRCCOPY));
        EXPECT_EQ("", Mismatch(canvas, w, h, [&](int x, int y) { return gdi.At(x, y); }));
        const std::vector<DWORD> converted = Pixels(DIBToBitmap(dib, nullptr), w, h);
        EXPECT_EQ("", Mismatch(gdi, w, h, [&](int x, int y) { return converted[y * w + x]; }));
        EXPECT_EQ(picture.bitCount == 8 ? testmedia::PictureColours() : std::vector<COLORREF>(),
                  ColoursOf(CreateDIBPalette(static_cast<void*>(dib))));
        GlobalFree(dib);
    }
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

    SetQernoUnattended(TRUE);
    dib = Dib(40000, 40000, 8, {0}, {0, 1}, BI_RLE8, 1);
    EXPECT_EQ(nullptr, DIBToBitmap(dib, nullptr));
    GlobalFree(dib);
    SetQernoUnattended(FALSE);
    EXPECT_EQ(1u, closer.titles().size()) << "no box for an unattended host";
}

} // namespace
