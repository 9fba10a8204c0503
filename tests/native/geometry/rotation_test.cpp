#include "QernoGeometry.h"

#include "geometry/BitmapRotationKernel.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using Bits = std::vector<BYTE>;

// A one-bit bitmap of byte-aligned rows, as rotate and slant take them.
struct Bitmap {
    long width = 0;
    long height = 0;
    Bits bits;

    Bitmap(long w, long h) : width(w), height(h), bits(Stride() * h) {}
    long Stride() const { return (width + 7) / 8; }
    bool Get(long x, long y) const { return (bits[y * Stride() + x / 8] >> (7 - x % 8)) & 1; }
    void Set(long x, long y) { bits[y * Stride() + x / 8] |= 0x80 >> (x % 8); }
    long Count() const {
        long count = 0;
        for (long y = 0; y < height; ++y)
            for (long x = 0; x < width; ++x)
                count += Get(x, y);
        return count;
    }
};

Bitmap RandomBitmap(long w, long h, unsigned int seed, int percentSet) {
    std::mt19937 random(seed);
    Bitmap bitmap(w, h);
    for (BYTE& byte : bitmap.bits)
        for (int bit = 0; bit < 8; ++bit)
            if (static_cast<int>(random() % 100) < percentSet)
                byte |= 1 << bit; // padding bits too: they must be ignored
    return bitmap;
}

Bitmap Rotated(Bitmap& source, long angle) {
    long nw = 0;
    long nh = 0;
    rotwh(source.width, source.height, &nw, &nh, angle);
    Bitmap target(nw, nh);
    long writtenWidth = -1;
    long writtenHeight = -1;
    rotate(source.bits.data(), source.width, source.height, target.bits.data(), &writtenWidth,
           &writtenHeight, angle);
    EXPECT_EQ(nw, writtenWidth) << angle;
    EXPECT_EQ(nh, writtenHeight) << angle;
    return target;
}

// Pixel by pixel in row order, as the pass is described, to check the whole-byte version.
void ClosePinHolesOneByOne(Bits& bits, int stride, int rows) {
    auto get = [&](int x, int y) { return (bits[y * stride + x / 8] >> (7 - x % 8)) & 1; };
    for (int y = 1; y < rows - 1; ++y)
        for (int x = 1; x < 8 * stride - 1; ++x)
            if (!get(x, y) && get(x, y - 1) && get(x, y + 1) && get(x - 1, y) && get(x + 1, y))
                bits[y * stride + x / 8] |= 0x80 >> (x % 8);
}

char* Chars(Bitmap& bitmap) {
    return reinterpret_cast<char*>(bitmap.bits.data());
}

TEST(PatternTurns, QuarterTurnsMoveEveryPixelAndOrIntoTheTarget) {
    Bitmap source = RandomBitmap(16, 16, 7, 50);
    Bitmap turned[3] = {{16, 16}, {16, 16}, {16, 16}};
    RotateBmp_90(Chars(turned[0]), Chars(source));
    RotateBmp_180(Chars(turned[1]), Chars(source));
    RotateBmp_270(Chars(turned[2]), Chars(source));
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            EXPECT_EQ(source.Get(row, 15 - column), turned[0].Get(column, row));
            EXPECT_EQ(source.Get(15 - column, 15 - row), turned[1].Get(column, row));
            EXPECT_EQ(source.Get(15 - row, column), turned[2].Get(column, row));
        }
    }
    Bitmap full(16, 16);
    full.bits.assign(32, 0xFF);
    RotateBmp_90(Chars(full), Chars(source)); // nothing clears what is already set
    EXPECT_EQ(Bits(32, 0xFF), full.bits);
}

using Pair = std::pair<long, long>;

Pair RotatedSizeOf(long width, long height, long angle) {
    Pair size;
    rotwh(width, height, &size.first, &size.second, angle);
    return size;
}

Pair Coordinates(const POINT& p) {
    return {p.x, p.y};
}

TEST(RotatedSize, QuarterTurnsSwapAndOtherAnglesGrow) {
    EXPECT_EQ(Pair(50, 100), RotatedSizeOf(100, 50, 90));
    EXPECT_EQ(Pair(100, 50), RotatedSizeOf(100, 50, -180));
    for (long angle : {30L, 150L, -30L, 390L})
        EXPECT_EQ(Pair(111, 93), RotatedSizeOf(100, 50, angle)) << angle;
    EXPECT_EQ(Pair(10, 0), RotatedSizeOf(-4, 10, 90));
}

TEST(Rotate, EveryAngleFitsItsComputedSize) {
    const long sides[][2] = {{1, 1}, {0, 5}, {7, 3}, {8, 8}, {13, 9}, {2, 17}, {24, 1}};
    for (const auto& side : sides) {
        Bitmap solid(side[0], side[1]);
        std::fill(solid.bits.begin(), solid.bits.end(), 0xFF);
        Bitmap sparse = RandomBitmap(side[0], side[1], 3, 30);
        for (long angle = 0; angle < 360; ++angle) {
            const Bitmap turned = Rotated(solid, angle);
            // One- and two-pixel lines may fall just outside at small angles; thicker ones not.
            if (side[0] >= 3 && side[1] >= 3)
                EXPECT_GT(turned.Count(), 0) << side[0] << "x" << side[1] << " at " << angle;
            Rotated(sparse, angle);
        }
    }
}

TEST(Rotate, QuarterTurnsMatchAPixelReference) {
    Bitmap source = RandomBitmap(13, 6, 11, 50);
    Bitmap reference[3] = {{6, 13}, {13, 6}, {6, 13}};
    for (long y = 0; y < 6; ++y) {
        for (long x = 0; x < 13; ++x) {
            if (!source.Get(x, y))
                continue;
            reference[0].Set(5 - y, x);      // 90 clockwise
            reference[1].Set(12 - x, 5 - y); // 180
            reference[2].Set(y, 12 - x);     // 90 counter-clockwise
        }
    }
    const long angles[] = {90, 180, 270};
    for (int i = 0; i < 3; ++i) {
        ClosePinHolesOneByOne(reference[i].bits, reference[i].Stride(), reference[i].height);
        EXPECT_EQ(reference[i].bits, Rotated(source, angles[i]).bits) << angles[i];
    }
}

TEST(Rotate, NoTurnCopiesAndDropsThePadding) {
    Bitmap source(10, 3);
    source.bits = {0xA5, 0xFF, 0x00, 0x7F, 0xC3, 0x40};
    EXPECT_EQ((Bits{0xA5, 0xC0, 0x00, 0x40, 0xC3, 0x40}), Rotated(source, 0).bits);
    EXPECT_EQ((Bits{0xA5, 0xC0, 0x00, 0x40, 0xC3, 0x40}), Rotated(source, 720).bits);
}

TEST(Rotate, CornersLandOnTheEdgesInEveryQuadrant) {
    Bitmap corners(100, 50);
    corners.Set(0, 0);
    corners.Set(99, 0);
    corners.Set(0, 49);
    corners.Set(99, 49);
    struct Expected {
        long angle;
        long at[4][2]; // where (0, 0), (99, 0), (0, 49) and (99, 49) go
    };
    const Expected cases[] = {
        {330, {{0, 49}, {85, 0}, {24, 91}, {110, 42}}},
        {240, {{49, 110}, {0, 25}, {91, 86}, {42, 0}}},
        {150, {{110, 42}, {25, 91}, {86, 0}, {0, 49}}},
        {60, {{42, 0}, {91, 85}, {0, 24}, {49, 110}}},
    };
    for (const Expected& expected : cases) {
        const Bitmap turned = Rotated(corners, expected.angle);
        EXPECT_EQ(4, turned.Count()) << expected.angle;
        for (const auto& at : expected.at)
            EXPECT_TRUE(turned.Get(at[0], at[1]))
                << expected.angle << ": " << at[0] << "," << at[1];
    }
}

TEST(Rotate, SolidAreasKeepNoPinHoles) {
    Bitmap block(60, 40);
    std::fill(block.bits.begin(), block.bits.end(), 0xFF);
    for (long angle : {17L, 37L, 135L, 200L, 333L}) {
        Bitmap result = Rotated(block, angle);
        Bits closed = result.bits;
        ClosePinHolesOneByOne(closed, static_cast<int>(result.Stride()), result.height);
        EXPECT_EQ(closed, result.bits) << angle;
        // Forward mapping lands some pixels on one another, but not many.
        EXPECT_GT(result.Count(), 60 * 40 * 9 / 10) << angle;
    }
}

TEST(PinHoles, WholeBytesFillAsOnePixelAtATime) {
    for (unsigned int seed = 1; seed <= 20; ++seed) {
        Bitmap bitmap = RandomBitmap(29, 12, seed, 80);
        Bits expected = bitmap.bits;
        ClosePinHolesOneByOne(expected, 4, 12);
        ClosePinHoles(bitmap.bits.data(), 4, 12);
        EXPECT_EQ(expected, bitmap.bits) << seed;
    }
    Bits edges = {0xFF, 0xFF, 0x7F, 0xFE, 0xFF, 0xFF}; // holes at the row's two ends stay
    ClosePinHoles(edges.data(), 2, 3);
    EXPECT_EQ((Bits{0xFF, 0xFF, 0x7F, 0xFE, 0xFF, 0xFF}), edges);
}

TEST(Slant, RowsMoveByTheirShareOfTheLean) {
    Bitmap source(16, 2);
    source.bits = {0xF0, 0x0F, 0xF0, 0x0F};
    auto slanted = [&](long angle) {
        long nw = 0;
        slantwh(source.width, source.height, &nw, angle);
        Bitmap target(nw, source.height);
        slant(source.bits.data(), source.width, source.height, target.bits.data(), &nw, angle);
        EXPECT_EQ(target.width, nw);
        return target.bits;
    };
    EXPECT_EQ((Bits{0xF0, 0x0F, 0x00, 0x78, 0x07, 0x80}), slanted(45));
    EXPECT_EQ((Bits{0x3C, 0x03, 0xC0, 0x78, 0x07, 0x80}), slanted(-45));
    EXPECT_EQ(source.bits, slanted(-90));
    EXPECT_EQ((Bits{0xF0, 0x0F, 0xE0, 0x1E}), slanted(135)); // row 1 leans back off the edge

    long nw = 0;
    slantwh(100, 50, &nw, 90); // no lean rather than an unbounded one
    EXPECT_EQ(100, nw);
}

TEST(Slant, ShiftsCrossByteBoundaries) {
    Bitmap source = RandomBitmap(21, 30, 5, 50);
    for (long y = 0; y < 30; ++y) // clear the padding: slant moves whole bytes
        source.bits[y * 3 + 2] &= 0xF8;
    long nw = 0;
    slantwh(21, 30, &nw, 60);
    Bitmap target(nw, 30);
    slant(source.bits.data(), 21, 30, target.bits.data(), &nw, 60);
    const long lean = 30 * 8660 / 5000;
    ASSERT_EQ(21 + lean, nw);
    for (long y = 0; y < 30; ++y) {
        const long shift = lean * y / 30;
        for (long x = 0; x < nw; ++x) {
            const bool expected = x >= shift && x - shift < 21 && source.Get(x - shift, y);
            ASSERT_EQ(expected, target.Get(x, y)) << x << "," << y;
        }
    }
}

TEST(Mapping, PointsAndRectanglesFollowTheRectangle) {
    const RECT from = {100, 200, 110, 205};
    const RECT flipped = {50, 50, 30, 60};
    const RECT empty = {10, 10, 10, 90};
    EXPECT_EQ(Pair(40, 52), Coordinates(GetNewMappingPoint(&from, &flipped, {105, 201})));
    EXPECT_EQ(7, GetNewMappingPoint(&empty, &flipped, {7, 8}).x);
    EXPECT_EQ(8, GetNewMappingPoint(&from, nullptr, {7, 8}).y);

    POINT points[] = {{100, 200}, {95, 204}};
    POINT out[2] = {};
    GetNewMappingPoints(&from, &flipped, 2, points, out);
    EXPECT_EQ(Pair(60, 58), Coordinates(out[1]));
    GetNewMappingPoints(&from, &flipped, 2, points, nullptr);
    EXPECT_EQ(out[1].x, points[1].x);
    GetNewMappingPoints(&empty, &flipped, 2, points, out);
    EXPECT_EQ(points[1].y, out[1].y);

    const RECT square = {0, 0, 100, 100};
    const RECT wide = {0, 0, 200, 50};
    const RECT r = {25, 10, 75, 100};
    RECT mapped = {};
    GetNewMappingRect(&square, &wide, &r, &mapped);
    EXPECT_EQ((std::vector<LONG>{50, 5, 150, 50}),
              (std::vector<LONG>{mapped.left, mapped.top, mapped.right, mapped.bottom}));
    GetNewMappingRect(&square, &empty, &r, &mapped);
    EXPECT_EQ(75, mapped.right);
}

} // namespace
