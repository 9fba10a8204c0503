// The comparison programs' machine-readable results, one "RATIO measure value" line each, which
// scripts/bench-ratios.sh gathers: the median of runs in which the library's call and its
// baseline take turns, so that whatever else the machine does weighs on both alike.
#pragma once

#include "CallTiming.h"

#include <algorithm>
#include <cstdio>
#include <vector>

template <typename Library, typename Baseline>
double MedianRatio(int runs, int rounds, Library library, Baseline baseline) {
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        const double libraryMs = MillisecondsPerCall(rounds, library);
        ratios.push_back(libraryMs / MillisecondsPerCall(rounds, baseline));
    }
    std::nth_element(ratios.begin(), ratios.begin() + runs / 2, ratios.end());
    return ratios[runs / 2];
}

inline void PrintRatio(const char* measure, double ratio) {
    std::printf("RATIO %s %.3f\n", measure, ratio);
}
