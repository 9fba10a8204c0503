// The host's stored start, end and duration times, packed and unpacked.
#include "QernoMedia.h"

#include <cstdint>

// The arithmetic is that of 32-bit unsigned numbers on every platform.
unsigned long QERNO_CALL GetTimeBy3Parts(int minutes, int seconds, int hundredths, int endless) {
    if (endless)
        return kEndlessTime;
    const std::uint32_t totalSeconds =
        static_cast<std::uint32_t>(minutes) * 60u + static_cast<std::uint32_t>(seconds);
    return totalSeconds * 1000u + static_cast<std::uint32_t>(hundredths) * 10u;
}

void QERNO_CALL GetTime3Parts(unsigned long value, int& minutes, int& seconds, int& hundredths,
                              int& endless) {
    const std::uint32_t time = static_cast<std::uint32_t>(value);
    if (time == kEndlessTime) {
        endless = 1;
        minutes = seconds = hundredths = 0;
        return;
    }
    endless = 0;
    minutes = static_cast<int>(time / 60000u);
    seconds = static_cast<int>(time / 1000u % 60u);
    hundredths = static_cast<int>(time / 10u % 100u);
}

unsigned short QERNO_CALL GetTimeSecBy3Parts(int minutes, int seconds) {
    const std::uint32_t total =
        static_cast<std::uint32_t>(minutes) * 60u + static_cast<std::uint32_t>(seconds);
    return static_cast<unsigned short>(total < kMostTimeSeconds ? total : kMostTimeSeconds);
}

void QERNO_CALL GetTimeSec3Parts(unsigned short value, int& minutes, int& seconds) {
    if (value >= kMostTimeSeconds) {
        minutes = 499;
        seconds = 59;
        return;
    }
    minutes = value / 60;
    seconds = value % 60;
}
