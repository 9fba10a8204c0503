// The library's arithmetic gives the same results whatever x87 precision the host has set: a
// 32-bit host may run in single precision, or in the extended precision Wine starts with.
#include "Qerno.h"

#include <gtest/gtest.h>

#include <float.h>

namespace {

#if defined(__i386__)
constexpr unsigned int kPrecisions[] = {_PC_24, _PC_53, _PC_64};

void SetPrecision(unsigned int precision) {
    _controlfp(precision, _MCW_PC);
}
#else
// x86_64 does no arithmetic on the x87: one pass with the control word as it is.
constexpr unsigned int kPrecisions[] = {0};

void SetPrecision(unsigned int) {}
#endif

TEST(HostControlWord, ChangesNoResult) {
    const unsigned int saved = _controlfp(0, 0);
    for (unsigned int precision : kPrecisions) {
        SetPrecision(precision);
        POINT bend[] = {{0, 0}, {100, 30}, {200, 0}};
        PolylineOffset(bend, -7, 3);
        EXPECT_EQ(100, bend[1].x) << "precision " << precision;
        EXPECT_EQ(36, bend[1].y) << "precision " << precision;
    }
    SetPrecision(saved & _MCW_PC);
}

} // namespace
