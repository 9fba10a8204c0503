// RIFF/WAVE files holding uncompressed PCM.
#pragma once

#include "TestMedia.h"

#include <cstdint>
#include <vector>

namespace testmedia {

// A file of the wave's format around interleaved samples; the file name and length are not used.
std::vector<std::uint8_t> WaveFile(const Wave& format, const std::vector<std::uint8_t>& samples);

} // namespace testmedia
