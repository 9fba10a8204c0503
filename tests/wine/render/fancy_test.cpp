// Fancy characters read back pixel by pixel: the tile blitter each way it blits, tiles read
// out of a table, samples and the chooser.
#include "RenderTestSupport.h"

namespace {

constexpr int kSide = 16;
constexpr int kTileBytes = 32;

using FancyChars = RenderTest;

// A white canvas, a blue background colour and a red text colour; the tile, stretched to twice
// its size, lands at (4, 4) on a mapping that turns y upwards: mirrored for a positive height (a
// mirrored blit covers the pixels from y + height + 1 to y), upright for a negative one.
TEST_F(FancyChars, CharBitmapInEachWayItBlits) {
    char bits[kTileBytes] = {};
    for (int i = 0; i < kSide * kSide; ++i)
        if ((3 * (i % kSide) + 5 * (i / kSide)) % 7 < 3)
            bits[i / 8] |= static_cast<char>(0x80 >> i % 8);
    // One mode of each way the blitter goes, then the colours the 1 and the 0 bits come out in.
    const DWORD modes[][4] = {{R2_COPYPEN, TRANSPARENT, 0x0000FF, 0xFFFFFF},
                              {R2_NOP, OPAQUE, 0xFFFFFF, 0xFFFFFF},
                              {R2_COPYPEN, OPAQUE, 0x0000FF, 0xFF0000},
                              {R2_XORPEN, TRANSPARENT, 0xFFFFFF, 0x00FFFF}};
    CanvasDC canvas(40, 40);
    HDC dc = canvas.get(), source = CreateCompatibleDC(dc);
    HBITMAP tile = CreateBitmap(kSide, kSide, 1, 1, bits);
    HGDIOBJ previous = SelectObject(source, tile);
    SetBkColor(dc, RGB(0, 0, 255));
    SetTextColor(dc, RGB(255, 0, 0));
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, -4, 0, nullptr);
    SetViewportExtEx(dc, 1, -1, nullptr);
    SetViewportOrgEx(dc, 0, 35, nullptr);
    for (const auto& [mode, bkMode, set, clear] : modes)
        for (const int height : {2 * kSide, -2 * kSide}) {
            canvas.Clear();
            SetROP2(dc, mode);
            SetBkMode(dc, bkMode);
            DrawCharBitmap(dc, 0, height < 0 ? 31 : 0, 2 * kSide, height, source, kSide, kSide);
            const auto expected = [&](int x, int y) {
                if (x < 4 || x >= 36 || y < 4 || y >= 36)
                    return 0xFFFFFFul;
                return TileBit(bits, (x - 4) / 2, (height < 0 ? y - 4 : 35 - y) / 2) ? set : clear;
            };
            EXPECT_EQ("", Mismatch(canvas, 40, 40, expected)) << mode << " " << bkMode << height;
        }
    SelectObject(source, previous);
    DeleteObject(tile);
    DeleteDC(source);
}

// Part 1 of style 5 from a caller's table is its record 10 turned a quarter, part 0 the record
// as it is, with or without the caller's scratch buffer. Nothing is written for a style past the
// library's own table.
TEST_F(FancyChars, TilesReadFromTheCallersTableOrTheLibrarys) {
    std::string table(102 * 2 * kTileBytes, '\0'), expected(kTileBytes, '\0');
    table[10 * kTileBytes + 1] = 0x40; // record 10: row 0, column 9
    expected[2 * 9 + 1] = 0x01;        // turned a quarter: row 9, column 15
    char tile[kTileBytes], scratch[kTileBytes];
    for (char* work : {scratch, static_cast<char*>(nullptr)}) {
        ReadFancyFromBuffer(5, 1, tile, work, table.data());
        EXPECT_EQ(expected, std::string(tile, kTileBytes));
        ReadFancyFromBuffer(5, 0, tile, work, table.data());
        EXPECT_EQ(table.substr(10 * kTileBytes, kTileBytes), std::string(tile, kTileBytes));
    }

    std::string untouched(kTileBytes, 'Z');
    ReadFancyFromBuffer(102, 0, untouched.data(), scratch, nullptr);
    EXPECT_EQ(std::string(kTileBytes, 'Z'), untouched);
}

// Transparent, so only the 1 bits show, in black; a 0 bit painted would show red. A 48-pixel
// cell splits into thirds of one tile, so a sample is a frame of 3 x 3 tiles of the library's
// table; the chooser from style 100 draws 100 and 101 only. Bad styles, cells and sizes draw
// nothing.
TEST_F(FancyChars, SamplesAndChooserPutEachTileInItsPlace) {
    CanvasDC canvas(160, 64);
    HDC dc = canvas.get(), memory = CreateCompatibleDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextColor(dc, RGB(255, 0, 0));
    char tile[kTileBytes], scratch[kTileBytes];
    const auto samples = [&](int x, int y) {
        const int part = x < 96 && y < 48 ? FramePart(x % 48 / kSide, y / kSide) : -1;
        if (part >= 0)
            ReadFancyFromBuffer(100 + x / 48, part, tile, scratch, nullptr);
        return part >= 0 && TileBit(tile, x % kSide, y % kSide) ? 0 : 0xFFFFFF;
    };
    RECT area = {0, 0, 160, 48}, cells[] = {{0, 0, 48, 48}, {48, 0, 96, 48}};
    PaintAllFancyChars(nullptr, dc, 100, 48, 48, &area, 0, 0);
    EXPECT_EQ("", Mismatch(canvas, 160, 64, samples)) << "chooser";
    canvas.Clear();
    PaintFancyChar(dc, 100, &cells[0], 0, 0);
    PaintFancyChar(dc, 101, &cells[1], 0, 0);
    EXPECT_EQ("", Mismatch(canvas, 160, 64, samples)) << "samples";

    canvas.Clear();
    RECT empty = {0, 0, 0, 48};
    PaintFancyChar(dc, 102, &cells[0], 0, 1);
    PaintFancyChar(dc, 3, &empty, 0, 1);
    PaintFancyChar3(dc, memory, 3, &area, 16, 0);
    PaintAllFancyChars(nullptr, dc, 0, 0, 48, &area, 1, 0);
    EXPECT_EQ(0, canvas.CountDrawn());
    DeleteDC(memory);
}

// Where y runs up, a cell whose top lies above its bottom has a negative height; its tiles land
// upright on the pixels the same cell takes in device units, whichever way the blitter goes.
TEST_F(FancyChars, CellsOfAMappingTurningYUpDrawAsInDeviceUnits) {
    char tile[kTileBytes];
    const auto sample = [](HDC dc, RowOf y) {
        RECT cell = {20, y(30), 68, y(78)};
        PaintFancyChar(dc, 13, &cell, 0, 0);
    };
    const auto odd = [&](HDC dc, RowOf y) {
        RECT cell = {3, y(81), 52, y(131)};
        PaintFancyChar1(dc, 40, &cell, nullptr, tile, nullptr, 0, 0);
    };
    const auto chooser = [](HDC dc, RowOf y) {
        RECT area = {0, y(0), 75, y(50)};
        PaintAllFancyChars(nullptr, dc, 60, 24, y(20) - y(0), &area, 0, 0);
    };
    const auto xorFrame = [](HDC dc, RowOf y) {
        HDC memory = CreateCompatibleDC(dc);
        RECT frame = {70, y(60), 118, y(100)};
        SetROP2(dc, R2_XORPEN);
        PaintFancyChar3(dc, memory, 7, &frame, 16, 16);
        DeleteDC(memory);
    };
    EXPECT_EQ("", MismatchTurningYUp(120, 140, TRANSPARENT, sample)) << "sample";
    EXPECT_EQ("", MismatchTurningYUp(120, 140, OPAQUE, odd)) << "odd sample";
    EXPECT_EQ("", MismatchTurningYUp(120, 140, TRANSPARENT, chooser)) << "chooser";
    EXPECT_EQ("", MismatchTurningYUp(120, 140, TRANSPARENT, xorFrame)) << "frame in xor";
}

} // namespace
