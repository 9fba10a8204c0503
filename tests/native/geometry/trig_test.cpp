#include "QernoGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// The rounding rule of the sine table, taken independently in double precision.
long ScaledRounded(double (*function)(double), int degrees) {
    const double pi = std::acos(-1.0);
    return std::lround(10000.0 * function(degrees * pi / 180.0));
}

// floor(root of n), raised by one when n + 1 is a perfect square other than 1.
long ReferenceRoot(long n) {
    long root = static_cast<long>(std::sqrt(static_cast<double>(n)));
    while (root * root > n)
        --root;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return n > 0 && (root + 1) * (root + 1) == n + 1 ? root + 1 : root;
}

TEST(IntegerTrig, SineAndCosineFollowTheRoundingRuleAtEveryDegree) {
    for (int degrees = -1080; degrees <= 1080; ++degrees) {
        EXPECT_EQ(Lumo_GetSin(degrees), ScaledRounded(std::sin, degrees)) << degrees;
        EXPECT_EQ(Lumo_GetCos(degrees), ScaledRounded(std::cos, degrees)) << degrees;
    }
    // The extremes of int reduce like any other angle: INT_MIN is -128 mod 360 = 232.
    EXPECT_EQ(Lumo_GetSin(INT_MIN), Lumo_GetSin(232));
    EXPECT_EQ(Lumo_GetCos(INT_MIN), Lumo_GetCos(232));
    EXPECT_EQ(Lumo_GetSin(INT_MAX), Lumo_GetSin(INT_MAX % 360));
}

TEST(IntegerTrig, TangentIsTheSineAndCosinePair) {
    const POINT at90 = Lumo_GetTan(90);
    EXPECT_EQ(10000, at90.x);
    EXPECT_EQ(0, at90.y);
}

TEST(IntegerTrig, SquareRootRoundsUpOnlyJustBelowASquare) {
    for (long n = 0; n <= 200000; ++n)
        ASSERT_EQ(intsqrt(n), ReferenceRoot(n)) << n;
    EXPECT_EQ(intsqrt(2147395600), 46340);
    EXPECT_EQ(intsqrt(2147483647), 46340);
    EXPECT_EQ(intsqrt(-1), 0);
    EXPECT_EQ(intsqrt(LONG_MIN), 0);
}

TEST(IntegerTrig, ArctangentOnTheAxesAndTheDiagonal) {
    EXPECT_EQ(Lumo_GetAtan(0, 0), 0);
    EXPECT_EQ(Lumo_GetAtan(5, 0), 0);
    EXPECT_EQ(Lumo_GetAtan(-5, 0), 180);
    EXPECT_EQ(Lumo_GetAtan(0, 5), 90);
    EXPECT_EQ(Lumo_GetAtan(0, -5), 270);
    EXPECT_EQ(Lumo_GetAtan(1000, 1000), 45);
    // Just below the positive x axis the angle is 360, not 0.
    EXPECT_EQ(Lumo_GetAtan(10000, -1), 360);
}

TEST(IntegerTrig, ArctangentTakesTheNearestEntryAndTiesGoUp) {
    // intsqrt(200) = 14 makes s = 7142, nearer entry 46 (7193) than entry 45 (7071).
    EXPECT_EQ(Lumo_GetAtan(10, 10), 46);
    // intsqrt(15^2 + 53^2) = 55 makes s = 9636, midway between entries 74 (9613) and 75 (9659).
    EXPECT_EQ(Lumo_GetAtan(15, 53), 75);
    EXPECT_EQ(Lumo_GetAtan(-15, 53), 105);
    EXPECT_EQ(Lumo_GetAtan(-15, -53), 255);
    EXPECT_EQ(Lumo_GetAtan(15, -53), 285);
}

TEST(IntegerTrig, ArctangentStaysWithinADegreeAllRound) {
    const double pi = std::acos(-1.0);
    for (int degrees = 0; degrees < 360; ++degrees) {
        const int x = static_cast<int>(std::lround(5000 * std::cos(degrees * pi / 180)));
        const int y = static_cast<int>(std::lround(5000 * std::sin(degrees * pi / 180)));
        const int angle = Lumo_GetAtan(x, y) % 360;
        const int error = std::abs(angle - degrees);
        EXPECT_TRUE(error <= 1 || error == 359) << degrees << " gave " << angle;
    }
    // Beyond 32767 on both axes the sum of squares leaves 32 bits; the direction stays true.
    EXPECT_EQ(Lumo_GetAtan(40000, 40000), 45);
    EXPECT_EQ(Lumo_GetAtan(-INT_MAX, 0), 180);
    EXPECT_EQ(Lumo_GetAtan(INT_MIN, INT_MIN), 225);
}

} // namespace
