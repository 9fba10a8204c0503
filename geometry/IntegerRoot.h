// The integer square root behind intsqrt, in 64 bits, for callers whose sums of squares may not
// fit a 32-bit long.
#pragma once

// n must stay below 2^64 - 1, where the first step n / n + n still fits.
unsigned long long IntegerRoot(unsigned long long n);
