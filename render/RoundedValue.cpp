#include "QernoRender.h"

int QERNO_CALL GetRoundedValue(int value, int minimum, int maximum, int mode) {
    if (minimum >= maximum)
        return minimum;
    switch (mode) {
    case 0:
        if (value < minimum)
            return maximum;
        if (value > maximum)
            return minimum;
        return value;
    case 1: {
        // In 64 bits: the span of the full int range does not fit in an int.
        const long long span = static_cast<long long>(maximum) - minimum;
        long long offset = static_cast<long long>(value) - minimum;
        if (offset < 0)
            offset = span - (static_cast<long long>(minimum) - value - 1) % (span + 1);
        if (offset > span)
            offset %= span + 1;
        return static_cast<int>(minimum + offset);
    }
    default:
        return value < minimum ? minimum : value > maximum ? maximum : value;
    }
}
