#include "FrameBits.h"

#include "Rle8Encoder.h"
#include "TestMedia.h"
#include "TestPicture.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace testmedia {

std::vector<std::uint8_t> Rgb24FrameBits(int frame) {
    const int stride = (kVideoWidth * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * kVideoHeight, 0);
    for (int y = 0; y < kVideoHeight; ++y) {
        std::uint8_t* row = bits.data() + static_cast<std::size_t>(kVideoHeight - 1 - y) * stride;
        for (int x = 0; x < kVideoWidth; ++x) {
            const unsigned long colour = FramePixel(frame, x, y);
            row[3 * x] = static_cast<std::uint8_t>(colour >> 16);
            row[3 * x + 1] = static_cast<std::uint8_t>(colour >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(colour);
        }
    }
    return bits;
}

std::vector<std::uint8_t> Rle8FrameBits(int frame) {
    const std::vector<unsigned long> palette = PictureColours();
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(kVideoWidth) * kVideoHeight);
    for (int y = 0; y < kVideoHeight; ++y)
        for (int x = 0; x < kVideoWidth; ++x) {
            const auto found = std::find(palette.begin(), palette.end(), FramePixel(frame, x, y));
            // Both videos must show the same picture, so nothing may be approximated.
            if (found == palette.end())
                throw std::logic_error("the picture uses a colour outside its palette");
            indices.push_back(static_cast<std::uint8_t>(found - palette.begin()));
        }
    return EncodeRle8(indices, kVideoWidth, kVideoHeight);
}

} // namespace testmedia
