// The test tones: a 440 Hz sine at half of full scale, the same on every channel.
#pragma once

#include "TestMedia.h"

#include <cstdint>
#include <vector>

namespace testmedia {

inline constexpr double kToneFrequency = 440.0;
inline constexpr double kToneLevel = 0.5; // of full scale

// Interleaved PCM samples for exactly the wave's duration: 8-bit unsigned, 16-bit signed.
std::vector<std::uint8_t> SineTonePcm(const Wave& wave);

} // namespace testmedia
