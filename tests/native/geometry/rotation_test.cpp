#include "QernoGeometry.h"

#include "rect_test_support.h"

#include <gtest/gtest.h>

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
    Bitmap(long w, long h, Bits rows) : width(w), height(h), bits(std::move(rows)) {}
    long Stride() const { return (width + 7) / 8; }
    bool Get(long x, long y) const { return (bits[y * Stride() + x / 8] >> (7 - x % 8)) & 1; }
    void Set(long x, long y) { bits[y * Stride() + x / 8] |= 0x80 >> (x % 8); }
    long Count() const {
        long count = 0;
        for (long i = 0; i < width * height; ++i)
            count += Get(i % width, i / width);
        return count;
    }
};

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

TEST(Rotate, EveryAngleFitsItsComputedSizeCornersLandOnTheEdgesAndPinHolesClose) {
    const long sides[][2] = {{1, 1}, {0, 5}, {7, 3}, {8, 8}, {13, 9}, {2, 17}, {24, 1}};
    for (const auto& side : sides) {
        Bitmap solid(side[0], side[1], 0xFF); // padding bits too: they must be ignored
        for (long angle = 0; angle < 360; ++angle) {
            // One- and two-pixel lines may fall just outside at small angles; thicker ones not.
            if (Rotated(solid, angle).Count() == 0 && side[0] >= 3 && side[1] >= 3)
                ADD_FAILURE() << side[0] << "x" << side[1] << " vanished at " << angle;
        }
    }

    // No turn copies and drops the padding. Quarter turns swap the sides, other angles grow them;
    // angles count modulo 360.
    Bitmap padded(10, 3, {0xA5, 0xFF, 0x00, 0x7F, 0xC3, 0x40});
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

    // A hole with all four neighbours set fills, also at a byte's edge; holes on the border or
    // side by side stay. A hole in the source comes out filled even from a quarter turn, and
    // forward mapping lands some pixels on one another, but not many.
    Bitmap holes(16, 4, {0xFB, 0xFF, 0x7E, 0xFE, 0xEF, 0xCF, 0xFF, 0xFF});
    EXPECT_EQ((Bits{0xFB, 0xFF, 0x7F, 0xFE, 0xFF, 0xCF, 0xFF, 0xFF}), Rotated(holes, 0).bits);
    Bitmap block(60, 40, 0xFF);
    block.bits[20 * block.Stride() + 3] = 0xFD; // (30, 20)
    EXPECT_EQ(60 * 40, Rotated(block, 90).Count());
    for (long angle : {17L, 37L, 135L, 200L, 333L})
        EXPECT_GT(Rotated(block, angle).Count(), 60 * 40 * 9 / 10) << angle;
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
    Bitmap source(16, 2, {0xF0, 0x0F, 0xF0, 0x0F});
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

    POINT points[] = {{100, 200}, {95, 204}}, out[2] = {};
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
