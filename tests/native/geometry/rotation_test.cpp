#include "QernoGeometry.h"

#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using Bits = std::vector<BYTE>;
using Pair = std::pair<long, long>;

// A one-bit bitmap of byte-aligned rows, as rotate and slant take them.
struct Bitmap {
    long width, height;
    Bits bits;

    Bitmap(long w, long h, BYTE fill = 0) : width(w), height(h), bits((w + 7) / 8 * h, fill) {}
    long Stride() const { return (width + 7) / 8; }
    bool Get(long x, long y) const { return (bits[y * Stride() + x / 8] >> (7 - x % 8)) & 1; }
    void Set(long x, long y) { bits[y * Stride() + x / 8] |= 0x80 >> (x % 8); }
    char* Chars() { return reinterpret_cast<char*>(bits.data()); }
    long Count() const {
        long count = 0;
        for (long i = 0; i < width * height; ++i)
            count += Get(i % width, i / width);
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
Bits PinHolesClosedOneByOne(Bitmap bitmap) {
    for (long y = 1; y < bitmap.height - 1; ++y)
        for (long x = 1; x < 8 * bitmap.Stride() - 1; ++x)
            if (bitmap.Get(x, y - 1) && bitmap.Get(x, y + 1) && bitmap.Get(x - 1, y) &&
                bitmap.Get(x + 1, y))
                bitmap.Set(x, y);
    return bitmap.bits;
}

TEST(PatternTurns, QuarterTurnsMoveEveryPixelAndOrIntoTheTarget) {
    Bitmap source = RandomBitmap(16, 16, 7, 50);
    Bitmap turned[3] = {{16, 16}, {16, 16}, {16, 16}};
    RotateBmp_90(turned[0].Chars(), source.Chars());
    RotateBmp_180(turned[1].Chars(), source.Chars());
    RotateBmp_270(turned[2].Chars(), source.Chars());
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            EXPECT_TRUE(source.Get(row, 15 - column) == turned[0].Get(column, row) &&
                        source.Get(15 - column, 15 - row) == turned[1].Get(column, row) &&
                        source.Get(15 - row, column) == turned[2].Get(column, row))
                << row << "," << column;
    Bitmap full(16, 16, 0xFF);
    RotateBmp_90(full.Chars(), source.Chars()); // nothing clears what is already set
    EXPECT_EQ(Bits(32, 0xFF), full.bits);
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

// No turn copies and drops the padding. Quarter turns swap the sides, other angles grow them;
// angles count modulo 360.
TEST(Rotate, CornersLandOnTheEdgesInEveryQuadrant) {
    Bitmap padded(10, 3);
    padded.bits = {0xA5, 0xFF, 0x00, 0x7F, 0xC3, 0x40};
    EXPECT_EQ((Bits{0xA5, 0xC0, 0x00, 0x40, 0xC3, 0x40}), Rotated(padded, 0).bits);
    Bitmap corners(100, 50);
    for (const auto& at : {Pair(0, 0), Pair(99, 0), Pair(0, 49), Pair(99, 49)})
        corners.Set(at.first, at.second);
    struct Expected {
        long angle;
        Pair size;
        Pair at[4]; // where (0, 0), (99, 0), (0, 49) and (99, 49) go
    };
    const Expected cases[] = {
        {90, {50, 100}, {{49, 0}, {49, 99}, {0, 0}, {0, 99}}},
        {-180, {100, 50}, {{99, 49}, {0, 49}, {99, 0}, {0, 0}}},
        {270, {50, 100}, {{0, 99}, {0, 0}, {49, 99}, {49, 0}}},
        {-30, {111, 93}, {{0, 49}, {85, 0}, {24, 91}, {110, 42}}},
        {240, {93, 111}, {{49, 110}, {0, 25}, {91, 86}, {42, 0}}},
        {150, {111, 93}, {{110, 42}, {25, 91}, {86, 0}, {0, 49}}},
        {420, {93, 111}, {{42, 0}, {91, 85}, {0, 24}, {49, 110}}},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.angle);
        const Bitmap turned = Rotated(corners, expected.angle);
        EXPECT_EQ(expected.size, Pair(turned.width, turned.height));
        EXPECT_EQ(4, turned.Count());
        for (const Pair& at : expected.at)
            EXPECT_TRUE(turned.Get(at.first, at.second)) << at.first << "," << at.second;
    }
    Pair size;
    rotwh(-4, 10, &size.first, &size.second, 90); // no negative side
    EXPECT_EQ(Pair(10, 0), size);
}

// The whole-byte pass fills as one pixel at a time would. A pin hole in the source comes out
// filled even from a quarter turn.
TEST(PinHoles, ClosedAfterEveryTurnAsOnePixelAtATime) {
    Bitmap block(60, 40, 0xFF);
    block.bits[20 * block.Stride() + 3] = 0xFD; // (30, 20)
    for (long angle : {17L, 37L, 90L, 135L, 200L, 333L}) {
        const Bitmap result = Rotated(block, angle);
        EXPECT_EQ(PinHolesClosedOneByOne(result), result.bits) << angle;
        // Forward mapping lands some pixels on one another, but not many.
        EXPECT_GT(result.Count(), 60 * 40 * 9 / 10) << angle;
    }
}

Bits Slanted(Bitmap& source, long angle) {
    long width = 0;
    slantwh(source.width, source.height, &width, angle);
    Bitmap target(width, source.height);
    slant(source.bits.data(), source.width, source.height, target.bits.data(), &width, angle);
    EXPECT_EQ(target.width, width);
    return target.bits;
}

TEST(Slant, RowsMoveByTheirShareOfTheLean) {
    Bitmap source(16, 2);
    source.bits = {0xF0, 0x0F, 0xF0, 0x0F};
    EXPECT_EQ((Bits{0xF0, 0x0F, 0x00, 0x78, 0x07, 0x80}), Slanted(source, 45));
    EXPECT_EQ((Bits{0x3C, 0x03, 0xC0, 0x78, 0x07, 0x80}), Slanted(source, -45));
    EXPECT_EQ(source.bits, Slanted(source, -90)); // no lean rather than an unbounded one
    EXPECT_EQ((Bits{0xF0, 0x0F, 0xE0, 0x1E}), Slanted(source, 135)); // row 1 leans back off
    // A lean of 3 * tan 80 = 17 moves the rows by 0, 5 and 11 pixels: whole bytes and bits.
    Bitmap tall(8, 3, 0xA5);
    EXPECT_EQ((Bits{0xA5, 0, 0, 0, 0x05, 0x28, 0, 0, 0, 0x14, 0xA0, 0}), Slanted(tall, 80));
}

TEST(Mapping, PointsAndRectanglesFollowTheRectangle) {
    const RECT from = {100, 200, 110, 205}, flipped = {50, 50, 30, 60}, empty = {10, 10, 10, 90};
    EXPECT_EQ((std::vector<PointValue>{{40, 52}, {7, 8}, {7, 8}}),
              (std::vector<PointValue>{Value(GetNewMappingPoint(&from, &flipped, {105, 201})),
                                       Value(GetNewMappingPoint(&empty, &flipped, {7, 8})),
                                       Value(GetNewMappingPoint(&from, nullptr, {7, 8}))}));

    POINT points[] = {{100, 200}, {95, 204}};
    POINT out[2] = {};
    GetNewMappingPoints(&from, &flipped, 2, points, out);
    EXPECT_EQ((PointValue{60, 58}), Value(out[1]));
    GetNewMappingPoints(&from, &flipped, 2, points, nullptr);
    EXPECT_EQ(Value(out[1]), Value(points[1]));
    GetNewMappingPoints(&empty, &flipped, 2, points, out);
    EXPECT_EQ(Value(points[1]), Value(out[1]));

    const RECT square = {0, 0, 100, 100}, wide = {0, 0, 200, 50}, r = {25, 10, 75, 100};
    RECT mapped = {};
    GetNewMappingRect(&square, &wide, &r, &mapped);
    EXPECT_EQ((RectValue{50, 5, 150, 50}), Value(mapped));
    GetNewMappingRect(&square, &empty, &r, &mapped);
    EXPECT_EQ(Value(r), Value(mapped));
}

} // namespace
