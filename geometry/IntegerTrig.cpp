#include "QernoGeometry.h"
#include "geometry/IntegerRoot.h"
#include "geometry/SineTable.h"

#include <algorithm>
#include <cstdlib>

namespace {

int ReduceDegrees(int degrees) {
    const int reduced = degrees % 360; // keeps the sign of degrees
    return reduced < 0 ? reduced + 360 : reduced;
}

// The first-quadrant angle whose sine lies nearest to sine (0..10000); a tie takes the larger.
int NearestTableAngle(long long sine) {
    const int* upper = std::lower_bound(kSineTable + 1, kSineTable + kSineTableSize, sine);
    const int lower = static_cast<int>(upper - kSineTable) - 1;
    return sine - kSineTable[lower] < *upper - sine ? lower : lower + 1;
}

} // namespace

// Newton's iteration from above ends on previous = floor(root); it stops on the pair (k, k + 1)
// only when n + 1 = (k + 1)^2, and then the nearer root k + 1 wins.
unsigned long long IntegerRoot(unsigned long long n) {
    unsigned long long previous = 0;
    unsigned long long current = n;
    while (current != previous && current != previous + 1) {
        previous = current;
        current = (n / previous + previous) / 2;
    }
    const bool endedOnPair = current == previous + 1;
    return endedOnPair && n - previous * previous > current * current - n ? current : previous;
}

// A negative argument has no root: it gives 0 rather than run the iteration into a division by
// zero.
long QERNO_CALL intsqrt(long n) {
    return n < 0 ? 0 : static_cast<long>(IntegerRoot(static_cast<unsigned long long>(n)));
}

int QERNO_CALL Lumo_GetSin(int degrees) {
    int angle = ReduceDegrees(degrees);
    int sign = 1;
    if (angle > 180) {
        angle = 360 - angle;
        sign = -1;
    }
    return sign * kSineTable[angle <= 90 ? angle : 180 - angle];
}

int QERNO_CALL Lumo_GetCos(int degrees) {
    int angle = ReduceDegrees(degrees);
    if (angle >= 180)
        angle = 360 - angle;
    int sign = 1;
    if (angle > 90) {
        sign = -1;
        angle = 180 - angle;
    }
    return sign * kSineTable[90 - angle];
}

POINT QERNO_CALL Lumo_GetTan(int degrees) {
    POINT sineAndCosine;
    sineAndCosine.x = Lumo_GetSin(degrees);
    sineAndCosine.y = Lumo_GetCos(degrees);
    return sineAndCosine;
}

// The squares are summed in 64 bits, so vectors beyond 32767 on an axis, whose sum would not fit
// the 32-bit long, still get their true direction.
int QERNO_CALL Lumo_GetAtan(int x, int y) {
    if (x == 0 && y == 0)
        return 0;
    if (y == 0)
        return x > 0 ? 0 : 180;
    if (x == 0)
        return y > 0 ? 90 : 270;
    const unsigned long long sizeX = std::llabs(x);
    const unsigned long long sizeY = std::llabs(y);
    const unsigned long long length = IntegerRoot(sizeX * sizeX + sizeY * sizeY);
    const int angle = NearestTableAngle(static_cast<long long>(sizeY * 10000 / length));
    if (x > 0)
        return y > 0 ? angle : 360 - angle;
    return y > 0 ? 180 - angle : 180 + angle;
}
