#include "render/PixelWidening.h"

#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a pixel's bytes load as 0xXXRRGGBB");

void WidenBgrRow(const unsigned char* from, std::uint32_t* to, std::size_t count) {
    std::size_t pixel = 0;
    // Four bytes at a time, the next pixel's blue masked off; the last pixel may end the memory.
    for (; pixel + 1 < count; ++pixel) {
        std::uint32_t bytes;
        std::memcpy(&bytes, from + 3 * pixel, sizeof bytes);
        to[pixel] = bytes & 0xFFFFFF;
    }
    for (; pixel < count; ++pixel)
        to[pixel] = from[3 * pixel] | from[3 * pixel + 1] << 8 | from[3 * pixel + 2] << 16;
}
