#include "QernoGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

const double kRadiansPerDegree = std::acos(-1.0) / 180;

TEST(IntegerTrig, SinesCosinesRootsAndArctangentsRoundAsTheTablesRule) {
    for (int degrees = -1080; degrees <= 1080; ++degrees) {
        const double radians = degrees * kRadiansPerDegree;
        EXPECT_EQ(Lumo_GetSin(degrees), std::lround(10000 * std::sin(radians))) << degrees;
        EXPECT_EQ(Lumo_GetCos(degrees), std::lround(10000 * std::cos(radians))) << degrees;
    }
    // The lowest int reduces like any other angle: INT_MIN is -128 mod 360 = 232.
    EXPECT_EQ(Lumo_GetSin(INT_MIN), Lumo_GetSin(232));
    const POINT tangent = Lumo_GetTan(90);
    EXPECT_TRUE(tangent.x == 10000 && tangent.y == 0) << "the sine and cosine pair";

    EXPECT_EQ((std::vector<long>{0, 1, 2, 3, 3, 3, 4, 316}),
              (std::vector<long>{intsqrt(0), intsqrt(1), intsqrt(3), intsqrt(8), intsqrt(9),
                                 intsqrt(14), intsqrt(15), intsqrt(99999)}));
    EXPECT_EQ(46340, intsqrt(2147483647));
    EXPECT_EQ(0, intsqrt(LONG_MIN));

    // Just below the positive x axis the angle is 360, not 0. intsqrt(200) = 14 makes s = 7142,
    // nearer entry 46 (7193) than 45 (7071); intsqrt(15^2 + 53^2) = 55 makes s = 9636, midway
    // between 74 (9613) and 75 (9659). Beyond 32767 on both axes the sum of squares leaves 32
    // bits and the direction stays true.
    const int cases[][3] = {{0, 0, 0},          {5, 0, 0},          {-5, 0, 180},
                            {0, 5, 90},         {0, -5, 270},       {1000, 1000, 45},
                            {10000, -1, 360},   {10, 10, 46},       {15, 53, 75},
                            {-15, 53, 105},     {-15, -53, 255},    {15, -53, 285},
                            {40000, 40000, 45}, {-INT_MAX, 0, 180}, {INT_MIN, INT_MIN, 225}};
    for (const auto& [x, y, degrees] : cases)
        EXPECT_EQ(degrees, Lumo_GetAtan(x, y)) << x << ", " << y;
}

} // namespace
