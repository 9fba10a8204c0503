// AVI 1.0 files with one video stream: a header list, the frames in a 'movi' list and an
// 'idx1' index marking every frame as a key frame.
#pragma once

#include <cstdint>
#include <vector>

namespace testmedia {

struct VideoStream {
    int width = 0;
    int height = 0;
    int framesPerSecond = 0;
    const char* handler = "DIB ";  // the codec's four-character code in the stream header
    std::uint32_t compression = 0; // the bitmap header's biCompression
    int bitsPerPixel = 24;
    // COLORREFs: the colours of 8-bit frames; above 8 bits a hint for palette displays.
    std::vector<unsigned long> palette;
    std::vector<std::vector<std::uint8_t>> frames; // each one complete, in display order
};

inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;

std::vector<std::uint8_t> AviFile(const VideoStream& video);

} // namespace testmedia
