#include "QernoGeometry.h"

#include "geometry/BitmapRotationKernel.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using Bits = std::vector<BYTE>;
using Pair = std::pair<long, long>;

// A one-bit bitmap of byte-aligned rows, as rotate and slant take them.
struct Bitmap {
    long width;
    long height;
    Bits bits;

    Bitmap(long w, long h, BYTE fill = 0) : width(w), height(h), bits((w + 7) / 8 * h, fill) {}
    long Stride() const { return (width + 7) / 8; }
    bool Get(long x, long y) const { return (bits[y * Stride() + x / 8] >> (7 - x % 8)) & 1; }
    void Set(long x, long y) { bits[y * Stride() + x / 8] |= 0x80 >> (x % 8); }
    char* Chars() { return reinterpret_cast<char*>(bits.data()); }
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

// The target is exactly the size rotwh gives, so the sanitizer sees any write past it.
Bitmap Rotated(Bitmap& source, long angle) {
    Pair size;
    rotwh(source.width, source.height, &size.first, &size.second, angle);
    Bitmap target(size.first, size.second);
    Pair written(-1, -1);
    rotate(source.bits.data(), source.width, source.height, target.bits.data(), &written.first,
           &written.second, angle);
    EXPECT_EQ(size, written) << angle;
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

TEST(PatternTurns, QuarterTurnsMoveEveryPixelAndOrIntoTheTarget) {
    Bitmap source = RandomBitmap(16, 16, 7, 50);
    Bitmap turned[3] = {{16, 16}, {16, 16}, {16, 16}};
    RotateBmp_90(turned[0].Chars(), source.Chars());
    RotateBmp_180(turned[1].Chars(), source.Chars());
    RotateBmp_270(turned[2].Chars(), source.Chars());
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            EXPECT_EQ(source.Get(row, 15 - column), turned[0].Get(column, row));
            EXPECT_EQ(source.Get(15 - column, 15 - row), turned[1].Get(column, row));
            EXPECT_EQ(source.Get(15 - row, column), turned[2].Get(column, row));
        }
    }
    Bitmap full(16, 16, 0xFF);
    RotateBmp_90(full.Chars(), source.Chars()); // nothing clears what is already set
    EXPECT_EQ(Bits(32, 0xFF), full.bits);
}

TEST(RotatedSize, QuarterTurnsSwapAndOtherAnglesGrow) {
    const auto sizeOf = [](long width, long height, long angle) {
        Pair size;
        rotwh(width, height, &size.first, &size.second, angle);
        return size;
    };
    EXPECT_EQ(Pair(50, 100), sizeOf(100, 50, 90));
    EXPECT_EQ(Pair(100, 50), sizeOf(100, 50, -180));
    for (long angle : {30L, 150L, -30L, 390L})
        EXPECT_EQ(Pair(111, 93), sizeOf(100, 50, angle)) << angle;
    EXPECT_EQ(Pair(10, 0), sizeOf(-4, 10, 90));
}

TEST(Rotate, EveryAngleFitsItsComputedSize) {
    const long sides[][2] = {{1, 1}, {0, 5}, {7, 3}, {8, 8}, {13, 9}, {2, 17}, {24, 1}};
    for (const auto& side : sides) {
        Bitmap solid(side[0], side[1], 0xFF);
        Bitmap sparse = RandomBitmap(side[0], side[1], 3, 30);
        for (long angle = 0; angle < 360; ++angle) {
            // One- and two-pixel lines may fall just outside at small angles; thicker ones not.
            if (Rotated(solid, angle).Count() == 0 && side[0] >= 3 && side[1] >= 3)
                ADD_FAILURE() << side[0] << "x" << side[1] << " vanished at " << angle;
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
    for (int i = 0; i < 3; ++i) {
        ClosePinHolesOneByOne(reference[i].bits, reference[i].Stride(), reference[i].height);
        EXPECT_EQ(reference[i].bits, Rotated(source, 90 * (i + 1)).bits) << 90 * (i + 1);
    }
}

TEST(Rotate, NoTurnCopiesAndDropsThePadding) {
    Bitmap source(10, 3);
    source.bits = {0xA5, 0xFF, 0x00, 0x7F, 0xC3, 0x40};
    EXPECT_EQ((Bits{0xA5, 0xC0, 0x00, 0x40, 0xC3, 0x40}), Rotated(source, 0).bits);
}

TEST(Rotate, CornersLandOnTheEdgesInEveryQuadrant) {
    Bitmap corners(100, 50);
    for (const auto& at : {Pair(0, 0), Pair(99, 0), Pair(0, 49), Pair(99, 49)})
        corners.Set(at.first, at.second);
    struct Expected {
        long angle;
        Pair at[4]; // where (0, 0), (99, 0), (0, 49) and (99, 49) go
    };
    const Expected cases[] = {
        {330, {{0, 49}, {85, 0}, {24, 91}, {110, 42}}},
        {240, {{49, 110}, {0, 25}, {91, 86}, {42, 0}}},
        {150, {{110, 42}, {25, 91}, {86, 0}, {0, 49}}},
        {60, {{42, 0}, {91, 85}, {0, 24}, {49, 110}}},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.angle);
        const Bitmap turned = Rotated(corners, expected.angle);
        EXPECT_EQ(4, turned.Count());
        for (const Pair& at : expected.at)
            EXPECT_TRUE(turned.Get(at.first, at.second)) << at.first << "," << at.second;
    }
}

TEST(Rotate, SolidAreasKeepNoPinHoles) {
    Bitmap block(60, 40, 0xFF);
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

Bitmap Slanted(Bitmap& source, long angle) {
    long nw = 0;
    slantwh(source.width, source.height, &nw, angle);
    Bitmap target(nw, source.height);
    slant(source.bits.data(), source.width, source.height, target.bits.data(), &nw, angle);
    EXPECT_EQ(target.width, nw);
    return target;
}

TEST(Slant, RowsMoveByTheirShareOfTheLean) {
    Bitmap source(16, 2);
    source.bits = {0xF0, 0x0F, 0xF0, 0x0F};
    EXPECT_EQ((Bits{0xF0, 0x0F, 0x00, 0x78, 0x07, 0x80}), Slanted(source, 45).bits);
    EXPECT_EQ((Bits{0x3C, 0x03, 0xC0, 0x78, 0x07, 0x80}), Slanted(source, -45).bits);
    EXPECT_EQ(source.bits, Slanted(source, -90).bits); // no lean rather than an unbounded one
    EXPECT_EQ((Bits{0xF0, 0x0F, 0xE0, 0x1E}), Slanted(source, 135).bits); // row 1 leans back off
}

TEST(Slant, ShiftsCrossByteBoundaries) {
    Bitmap source = RandomBitmap(21, 30, 5, 50);
    for (long y = 0; y < 30; ++y) // clear the padding: slant moves whole bytes
        source.bits[y * 3 + 2] &= 0xF8;
    const Bitmap target = Slanted(source, 60);
    const long lean = 51; // 30 rows * tan 60 = 51.96
    ASSERT_EQ(21 + lean, target.width);
    for (long y = 0; y < 30; ++y) {
        const long shift = lean * y / 30;
        for (long x = 0; x < target.width; ++x) {
            const bool expected = x >= shift && x - shift < 21 && source.Get(x - shift, y);
            ASSERT_EQ(expected, target.Get(x, y)) << x << "," << y;
        }
    }
}

TEST(Mapping, PointsAndRectanglesFollowTheRectangle) {
    const RECT from = {100, 200, 110, 205};
    const RECT flipped = {50, 50, 30, 60};
    const RECT empty = {10, 10, 10, 90};
    const POINT one = GetNewMappingPoint(&from, &flipped, {105, 201});
    EXPECT_EQ(Pair(40, 52), Pair(one.x, one.y));
    EXPECT_EQ(7, GetNewMappingPoint(&empty, &flipped, {7, 8}).x);
    EXPECT_EQ(8, GetNewMappingPoint(&from, nullptr, {7, 8}).y);

    POINT points[] = {{100, 200}, {95, 204}};
    POINT out[2] = {};
    GetNewMappingPoints(&from, &flipped, 2, points, out);
    EXPECT_EQ(Pair(60, 58), Pair(out[1].x, out[1].y));
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
