// Fancy characters read back pixel by pixel: the tile blitter in every raster and background
// mode, tiles read out of a table and turned, frames and samples of the library's own styles.
#include "RenderTestSupport.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 16;
constexpr int kTileBytes = 32;
constexpr int kStyles = 102;

using Tile = std::string; // 16 rows of 2 bytes, bit 7 of a row's first byte leftmost

bool IsSet(const Tile& tile, int x, int y) {
    return (static_cast<unsigned char>(tile[2 * y + x / 8]) >> (7 - x % 8)) & 1;
}

// The bits turned a quarter clockwise on the screen, turns times.
Tile Turned(const Tile& tile, int turns) {
    Tile turned = tile;
    for (int turn = 0; turn < turns; ++turn) {
        const Tile from = turned;
        turned.assign(kTileBytes, '\0');
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                if (IsSet(from, y, kSide - 1 - x))
                    turned[2 * y + x / 8] |= static_cast<char>(0x80 >> x % 8);
    }
    return turned;
}

Tile TableRecord(const char* table, int record) {
    return Tile(table + kTileBytes * record, kTileBytes);
}

// A 16 x 16 one-bit bitmap in a memory DC, as the tiles are blitted from.
class TileSource {
public:
    explicit TileSource(const Tile& bits)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(kSide, kSide, 1, 1, bits.data())),
          previous_(SelectObject(dc_, bitmap_)) {}
    ~TileSource() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TileSource(const TileSource&) = delete;
    TileSource& operator=(const TileSource&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

class FancyChars : public RenderTest {
protected:
    // The library's own table as the resource module holds it.
    static const char* OwnTable() {
        unsigned long size = 0;
        const char* table = LoadResourceData(5804, size);
        EXPECT_EQ(unsigned(kStyles * 2 * kTileBytes), size);
        return table;
    }
};

// The canvas is green under a blue background colour and a red text colour; the tile, stretched
// to twice its size, lands at (4, 4) whether the mapping moves the origin or turns y upwards (a
// mirrored blit covers the pixels from y + height + 1 to y).
TEST_F(FancyChars, CharBitmapInEveryRasterAndBackgroundMode) {
    constexpr DWORD kGreen = 0x00FF00, kBlue = 0x0000FF, kRed = 0xFF0000;
    Tile bits(kTileBytes, '\0');
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if ((3 * x + 5 * y) % 7 < 3)
                bits[2 * y + x / 8] |= static_cast<char>(0x80 >> x % 8);
    TileSource source(bits);
    const struct {
        int rop2, bkMode;
        DWORD set, clear; // where the bits are 1 and 0
    } modes[] = {
        {R2_COPYPEN, TRANSPARENT, kBlue, kGreen},
        {R2_NOP, TRANSPARENT, kGreen, kGreen},
        {R2_NOP, OPAQUE, kGreen, kGreen},
        {R2_COPYPEN, OPAQUE, kBlue, kRed},
        {R2_XORPEN, OPAQUE, kBlue ^ kGreen, kRed ^ kGreen},
        {R2_MASKPEN, OPAQUE, kBlue & kGreen, kRed & kGreen},
        {R2_XORPEN, TRANSPARENT, kGreen, kRed ^ kGreen},
        {R2_NOT, TRANSPARENT, kGreen, 0xFF00FF},
        {R2_MERGEPEN, TRANSPARENT, kGreen, kRed | kGreen},
    };
    CanvasDC canvas(40, 40);
    HDC dc = canvas.get();
    SetBkColor(dc, RGB(0, 0, 255));
    SetTextColor(dc, RGB(255, 0, 0));
    const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    const RECT all = {0, 0, 40, 40};
    for (const bool upwards : {false, true}) {
        for (const auto& m : modes) {
            SetMapMode(dc, MM_TEXT);
            SetWindowOrgEx(dc, 0, 0, nullptr);
            SetViewportOrgEx(dc, 0, 0, nullptr);
            FillRect(dc, &all, green);
            SetWindowOrgEx(dc, -4, upwards ? 0 : -4, nullptr);
            if (upwards) {
                SetMapMode(dc, MM_ANISOTROPIC);
                SetWindowExtEx(dc, 1, 1, nullptr);
                SetViewportExtEx(dc, 1, -1, nullptr);
                SetViewportOrgEx(dc, 0, 35, nullptr);
            }
            SetROP2(dc, m.rop2);
            SetBkMode(dc, m.bkMode);
            DrawCharBitmap(dc, 0, 0, 2 * kSide, 2 * kSide, source.get(), kSide, kSide);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    const bool inside = x >= 4 && x < 36 && y >= 4 && y < 36;
                    const int row = upwards ? (35 - y) / 2 : (y - 4) / 2;
                    ASSERT_EQ(!inside                         ? kGreen
                              : IsSet(bits, (x - 4) / 2, row) ? m.set
                                                              : m.clear,
                              canvas.At(x, y))
                        << "mode " << m.rop2 << " bk " << m.bkMode << " upwards " << upwards
                        << " at " << x << ", " << y;
                }
        }
    }
    DeleteObject(green);
}

// Part p of style n is record 2n + p / 4 turned p mod 4 quarters, from a caller's table and from
// the library's own; nothing is written for a style or part outside the table.
TEST_F(FancyChars, TilesReadAndTurned) {
    std::string table(kStyles * 2 * kTileBytes, '\0');
    table[10 * kTileBytes + 1] = 0x40; // record 10: row 0, column 9
    table[11 * kTileBytes + 6] = 0x01; // record 11: row 3, column 7
    const struct {
        int style, part;
        int row, column; // the one set pixel after the turn
    } pixels[] = {{5, 0, 0, 9}, {5, 1, 9, 15}, {5, 2, 15, 6}, {5, 3, 6, 0},
                  {5, 4, 3, 7}, {5, 5, 7, 12}, {5, 6, 12, 8}, {5, 7, 8, 3}};
    char tile[kTileBytes], scratch[kTileBytes];
    for (const auto& p : pixels) {
        ReadFancyFromBuffer(p.style, p.part, tile, scratch, table.data());
        Tile expected(kTileBytes, '\0');
        expected[2 * p.row + p.column / 8] = static_cast<char>(0x80 >> p.column % 8);
        EXPECT_EQ(expected, Tile(tile, kTileBytes)) << "part " << p.part;
    }

    const char* own = OwnTable();
    ASSERT_NE(nullptr, own);
    for (int style = 0; style < kStyles; ++style)
        for (int part = 0; part < 8; ++part) {
            ReadFancyFromBuffer(style, part, tile, scratch, nullptr);
            ASSERT_EQ(Turned(TableRecord(own, 2 * style + part / 4), part % 4),
                      Tile(tile, kTileBytes))
                << "style " << style << " part " << part;
        }

    const int outside[][2] = {{-1, 0}, {102, 0}, {0, 8}, {0, -1}};
    for (const auto& [style, part] : outside) {
        std::string untouched(kTileBytes, '\x5A');
        ReadFancyFromBuffer(style, part, untouched.data(), scratch, nullptr);
        EXPECT_EQ(std::string(kTileBytes, '\x5A'), untouched) << style << " " << part;
    }
}

// Tiles of 16 x 16 pixels, the 1 bits black on a transparent ground: what each pixel must be.
class TiledPicture {
public:
    TiledPicture(int width, int height) : width_(width), ink_(width * height, false) {}
    void Place(int style, int part, int left, int top) {
        char tile[kTileBytes], scratch[kTileBytes];
        ReadFancyFromBuffer(style, part, tile, scratch, nullptr);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                ink_[(top + y) * width_ + left + x] = IsSet(Tile(tile, kTileBytes), x, y);
    }
    // The first pixel that differs, as text; empty when none does.
    std::string Mismatch(const CanvasDC& canvas) const {
        for (std::size_t i = 0; i < ink_.size(); ++i) {
            const int x = static_cast<int>(i % width_), y = static_cast<int>(i / width_);
            if (canvas.At(x, y) != (ink_[i] ? 0u : 0xFFFFFFu))
                return std::to_string(x) + ", " + std::to_string(y);
        }
        return "";
    }

private:
    int width_;
    std::vector<bool> ink_;
};

void InkOnTransparentGround(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextColor(dc, RGB(255, 0, 0)); // would show if any 0 bit were painted
}

// A frame four tiles across and three down, with pixels to spare, walks clockwise from the
// top-left corner; each tile holds its part turned.
TEST_F(FancyChars, FrameOfWholeTilesClockwise) {
    CanvasDC canvas(80, 64);
    HDC dc = canvas.get();
    InkOnTransparentGround(dc);
    HDC memory = CreateCompatibleDC(dc);
    for (const int style : {0, 17, 101}) {
        canvas.Clear();
        RECT frame = {4, 4, 4 + 4 * kSide + 5, 4 + 3 * kSide + 7};
        PaintFancyChar3(dc, memory, style, &frame, kSide, kSide);
        TiledPicture expected(80, 64);
        const int walk[][3] = {{7, 4, 4},   {0, 20, 4},  {0, 36, 4},  {4, 52, 4}, {1, 52, 20},
                               {5, 52, 36}, {2, 36, 36}, {2, 20, 36}, {6, 4, 36}, {3, 4, 20}};
        for (const auto& [part, x, y] : walk)
            expected.Place(style, part, x, y);
        EXPECT_EQ("", expected.Mismatch(canvas)) << "style " << style;
    }
    DeleteDC(memory);
}

// A 48-pixel cell splits into thirds of one tile each, so a sample is the frame of 3 x 3 tiles;
// the chooser from style 100 draws 100 and 101 and stops. Bad styles, cells and sizes draw
// nothing.
TEST_F(FancyChars, SamplesAndChooserMatchTheFrames) {
    CanvasDC canvas(160, 48);
    HDC dc = canvas.get();
    InkOnTransparentGround(dc);
    HDC memory = CreateCompatibleDC(dc);
    TiledPicture expected(160, 48);
    const int corners[][3] = {{7, 0, 0},   {0, 16, 0},  {4, 32, 0}, {1, 32, 16},
                              {5, 32, 32}, {2, 16, 32}, {6, 0, 32}, {3, 0, 16}};
    for (const int style : {100, 101})
        for (const auto& [part, x, y] : corners)
            expected.Place(style, part, x + 48 * (style - 100), y);

    RECT area = {0, 0, 160, 48};
    PaintAllFancyChars(nullptr, dc, 100, 48, 48, &area, 0, 0);
    EXPECT_EQ("", expected.Mismatch(canvas)) << "chooser";
    canvas.Clear();
    for (const int style : {100, 101}) {
        RECT cell = {48 * (style - 100), 0, 48 * (style - 99), 48};
        PaintFancyChar(dc, style, &cell, 0, 0);
    }
    EXPECT_EQ("", expected.Mismatch(canvas)) << "samples";

    canvas.Clear();
    RECT cell = {0, 0, 48, 48}, empty = {0, 0, 0, 48};
    PaintFancyChar(dc, 102, &cell, 0, 1);
    PaintFancyChar(dc, -1, &cell, 0, 1);
    PaintFancyChar(dc, 3, nullptr, 0, 1);
    PaintFancyChar(dc, 3, &empty, 0, 1);
    PaintFancyChar3(dc, memory, 102, &cell, 16, 16);
    PaintFancyChar3(dc, memory, 3, &cell, 0, 16);
    PaintFancyChar3(dc, memory, 3, &cell, 16, -16);
    PaintFancyChar3(dc, nullptr, 3, &cell, 16, 16);
    PaintAllFancyChars(nullptr, dc, 102, 48, 48, &area, 1, 0);
    PaintAllFancyChars(nullptr, dc, 0, 0, 48, &area, 1, 0);
    PaintAllFancyChars(nullptr, dc, 0, 48, 48, nullptr, 1, 0);
    EXPECT_EQ(0, canvas.CountDrawn());
    DeleteDC(memory);
}

// The number is centred in the cell, and the background mode is left as it was.
TEST_F(FancyChars, SampleNumberCentredAndBackgroundModeKept) {
    CanvasDC canvas(60, 60);
    HDC dc = canvas.get();
    SetBkMode(dc, OPAQUE);
    SetROP2(dc, R2_NOP); // the tiles stay out of the way, the text does not
    SetTextColor(dc, RGB(255, 0, 0));
    RECT cell = {0, 0, 60, 60};
    PaintFancyChar(dc, 42, &cell, 0, 1);
    EXPECT_EQ(OPAQUE, GetBkMode(dc));
    RECT drawn;
    ASSERT_LT(0, canvas.CountDrawn(&drawn));
    EXPECT_LE(std::abs(drawn.left + drawn.right - 60), 2);
    EXPECT_LE(std::abs(drawn.top + drawn.bottom - 60), 4);
}

} // namespace
