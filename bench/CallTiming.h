// Timing for the comparison programs: the mean of a number of rounds after one round that warms
// caches, with GDI's batch flushed inside the measured time.
#pragma once

#include <windows.h>

#include <cstdio>

template <typename Call> double MillisecondsPerCall(int rounds, Call call) {
    call();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int round = 0; round < rounds; ++round)
        call();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return (end.QuadPart - start.QuadPart) * 1e3 / frequency.QuadPart / rounds;
}

// One line: what was timed, its time and its ratio to the baseline's.
inline void ReportTime(const char* what, double milliseconds, double baseline) {
    std::printf("%-58s %9.3f ms  %6.2fx\n", what, milliseconds, milliseconds / baseline);
}
