// Fancy characters read back pixel by pixel: the tile blitter each way it blits, tiles read
// out of a table, samples and the chooser. Then arrow lines and fancy borders, in opaque mode: a
// tile's 0 bits in the text colour (red), its 1 bits in the background colour (blue).
#include "RenderTestSupport.h"

namespace {

constexpr int kSide = 16;
constexpr int kTileBytes = 32;
constexpr DWORD kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

using FancyChars = RenderTest;

// Ink (0 bits) in the top half ('T'), the left half ('L') or everywhere.
std::string MakeTile(char ink) {
    std::string tile(32, '\0');
    for (int i = 0; i < 32; ++i)
        tile[i] = (ink == 'T' && i >= 16) || (ink == 'L' && i % 2) ? '\xFF' : '\0';
    return tile;
}

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
// nothing, here or in borders.
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
    // Nor do borders without tiles, of no width, of a bad style or too few points.
    std::string solid = MakeTile('A');
    char* ink = solid.data();
    POINT line[] = {{8, 8}, {80, 8}, {80, 80}};
    DrawArrowLine(dc, {0, 8}, {90, 8}, nullptr, nullptr, nullptr, 16, 16, 16, 16, 0);
    DrawArrowLine(dc, {0, 8}, {90, 8}, ink, ink, ink, 0, 16, 16, 16, 0);
    PaintFcRect(dc, nullptr, 16, 5);
    PaintFcLine(dc, line, 16, 102);
    PaintFcPolyline(dc, line, 16, 5, 1);
    EXPECT_EQ(0, canvas.CountDrawn());
    DeleteDC(memory);
}

struct BorderCanvas : RenderTest {
    void SetUp() override {
        SetTextColor(dc_, RGB(255, 0, 0));
        SetBkColor(dc_, RGB(0, 0, 255));
    }
    CanvasDC canvas_{120, 96};
    HDC dc_ = canvas_.get();
};
using ArrowLines = BorderCanvas;
using FancyBorders = BorderCanvas;

// Tiles 16 x 16 laid 16 long and 16 thick: start inked in its top half, middle all over, end
// in its left half. The middle run's rest of 4 widens its 4 tiles to 17.
TEST_F(ArrowLines, TilesLandOnTheirAnchors) {
    std::string start = MakeTile('T'), middle = MakeTile('A'), end = MakeTile('L');
    DrawArrowLine(dc_, {10, 20}, {110, 20}, start.data(), middle.data(), end.data(), 16, 16, 16, 16,
                  0);
    const auto expected = [&](int x, int y) {
        if (x < 10 || x >= 110 || y < 12 || y >= 28)
            return kWhite;
        const bool inked = (x >= 26 && x < 94) || (x < 26 && y < 20) || (x >= 94 && x < 102);
        return inked ? kRed : kBlue;
    };
    EXPECT_EQ("", Mismatch(canvas_, 120, 96, expected));
}

// A style 5 frame of 16-unit tiles around (8, 8)-(88, 88), each part's tile as the table has it:
// the rectangle directly, the clockwise square through its edges with corner tiles at the ends.
TEST_F(FancyBorders, RectangleAndClockwiseSquareLayCornerTilesOnTheCorners) {
    char parts[8][32], scratch[32];
    for (int part = 0; part < 8; ++part)
        ReadFancyFromBuffer(5, part, parts[part], scratch, nullptr);
    ASSERT_NE(std::string(parts[0], 32), std::string(parts[4], 32));
    const auto third = [](int cell) { return cell == 0 ? 0 : cell == 4 ? 2 : 1; };
    const auto expected = [&](int x, int y) {
        if (x < 8 || x >= 88 || y < 8 || y >= 88)
            return kWhite;
        const int part = FramePart(third((x - 8) / 16), third((y - 8) / 16));
        return part < 0 ? kWhite : TileBit(parts[part], (x - 8) % 16, (y - 8) % 16) ? kBlue : kRed;
    };
    POINT corners[] = {{8, 8}, {88, 88}},
          square[] = {{16, 16}, {80, 16}, {80, 80}, {16, 80}, {16, 16}};
    PaintFcRect(dc_, corners, 16, 5);
    EXPECT_EQ("", Mismatch(canvas_, 96, 96, expected)) << "rectangle";
    canvas_.Clear();
    PaintFcPolygon(dc_, square, 16, 5, 5);
    EXPECT_EQ("", Mismatch(canvas_, 96, 96, expected)) << "polygon";
}

// Slanted, stretched and shrunk tiles in each way the blitter goes, against hashes of the pixels
// that laying each tile from a bitmap of its own gave: a tile moved by a pixel changes its hash.
TEST_F(FancyBorders, SlantedBordersKeepTheirPixels) {
    const DWORD cases[][3] = {{R2_COPYPEN, OPAQUE, 467119005u},
                              {R2_COPYPEN, TRANSPARENT, 234558917u},
                              {R2_XORPEN, TRANSPARENT, 3123011269u},
                              {R2_MASKPEN, OPAQUE, 4104421738u}};
    POINT polygon[] = {{12, 10}, {150, 24}, {150, 70}, {96, 70}, {60, 110}, {12, 100}, {12, 10}};
    POINT polyline[] = {{20, 40}, {70, 40}, {120, 95}, {140, 95}};
    std::string start = MakeTile('T'), middle = MakeTile('A'), end = MakeTile('L');
    for (const auto& [mode, bkMode, hash] : cases) {
        CanvasDC canvas(160, 120);
        HDC dc = canvas.get();
        SetTextColor(dc, RGB(255, 0, 0));
        SetBkColor(dc, RGB(0, 0, 255));
        SetROP2(dc, mode);
        SetBkMode(dc, bkMode);
        PaintFcPolygon(dc, polygon, 13, 7, 7);
        PaintFcPolyline(dc, polyline, 9, 40, 4);
        DrawArrowLine(dc, {10, 115}, {150, 60}, start.data(), middle.data(), end.data(), 16, 16, 14,
                      10, 0);
        DWORD fnv = 2166136261u;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 160; ++x)
                fnv = (fnv ^ canvas.At(x, y)) * 16777619u;
        EXPECT_EQ(hash, fnv) << mode << " " << bkMode;
    }
}

// Where y runs up, a cell whose top lies above its bottom has a negative height; its tiles land
// upright on the pixels the same cell takes in device units, whichever way the blitter goes.
// Borders around the same places on the screen take the same pixels as in device units too: the
// rectangle's frame, corners turning the way they turn on the screen, tiles upright along their
// lines.
TEST_F(FancyChars, TilesOfAMappingTurningYUpDrawAsInDeviceUnits) {
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
    std::string start = MakeTile('T'), middle = MakeTile('A'), end = MakeTile('L');
    const auto rectangle = [](HDC dc, RowOf y) {
        POINT corners[] = {{8, y(8)}, {88, y(88)}};
        PaintFcRect(dc, corners, 16, 5);
    };
    const auto polygon = [](HDC dc, RowOf y) {
        POINT square[] = {{16, y(16)}, {80, y(16)}, {80, y(80)}, {16, y(80)}, {16, y(16)}};
        PaintFcPolygon(dc, square, 16, 5, 5);
    };
    const auto arrow = [&](HDC dc, RowOf y) {
        DrawArrowLine(dc, {10, y(90)}, {110, y(40)}, start.data(), middle.data(), end.data(), 16,
                      16, 16, 12, 0);
    };
    EXPECT_EQ("", MismatchTurningYUp(120, 140, OPAQUE, rectangle)) << "rectangle";
    EXPECT_EQ("", MismatchTurningYUp(120, 140, OPAQUE, polygon)) << "polygon";
    EXPECT_EQ("", MismatchTurningYUp(120, 140, OPAQUE, arrow)) << "arrow";
}

} // namespace
