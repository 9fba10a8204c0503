// Sines of the whole degrees of the first quadrant, scaled by 10000.
#pragma once

constexpr int kSineTableSize = 91; // degrees 0..90 inclusive

extern const int kSineTable[kSineTableSize];
