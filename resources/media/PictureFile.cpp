#include "MediaSet.h"

namespace testmedia {

Bytes PictureFile(int frame) {
    const std::uint32_t rowBytes = (kVideoWidth * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * kVideoHeight;
    constexpr std::uint32_t kHeaders = 14 + 40;
    Bytes file;
    Le16(file, {'B' | 'M' << 8});
    Le32(file, {kHeaders + pixelBytes, 0, kHeaders});
    Le32(file, {40, kVideoWidth, kVideoHeight});
    Le16(file, {1, 24});
    Le32(file, {0, pixelBytes, 2835, 2835, 0, 0}); // BI_RGB at 72 dots an inch
    for (int y = kVideoHeight - 1; y >= 0; --y) {  // bottom-up, as device-independent bitmaps
        for (int x = 0; x < kVideoWidth; ++x) {
            const unsigned long colour = FramePixel(frame, x, y);
            file.insert(file.end(), {std::uint8_t(colour >> 16), std::uint8_t(colour >> 8),
                                     std::uint8_t(colour)});
        }
        file.resize(file.size() + rowBytes - kVideoWidth * 3);
    }
    return file;
}

} // namespace testmedia
