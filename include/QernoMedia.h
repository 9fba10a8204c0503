// Media playback: MCI by Media-ID, stage and player windows, wave-out, volume, sound and time
// values.
#pragma once

#include "QernoTypes.h"

// --- Time values ---

// A millisecond time value that means "endless".
constexpr unsigned long kEndlessTime = 0x7FFFFFFF;
// The largest second time value; it reads back as 499 minutes 59 seconds.
constexpr unsigned short kMostTimeSeconds = 30000;

// (minutes * 60 + seconds) * 1000 + hundredths * 10 in unsigned 32 bits, or kEndlessTime.
QERNO_API unsigned long QERNO_CALL GetTimeBy3Parts(int minutes, int seconds, int hundredths,
                                                   int endless);
QERNO_API void QERNO_CALL GetTime3Parts(unsigned long value, int& minutes, int& seconds,
                                        int& hundredths, int& endless);
// minutes * 60 + seconds, cut to kMostTimeSeconds (compared unsigned, so negative sums cut too).
QERNO_API unsigned short QERNO_CALL GetTimeSecBy3Parts(int minutes, int seconds);
QERNO_API void QERNO_CALL GetTimeSec3Parts(unsigned short value, int& minutes, int& seconds);
