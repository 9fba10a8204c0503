#include "media_reading.h"

#include <stdexcept>

Bytes DecodeRle8(const Bytes& data, int width, int height) {
    Bytes pixels(static_cast<std::size_t>(width) * height);
    int row = 0; // from the bottom
    int x = 0;
    std::size_t at = 0;
    const auto check = [&](bool kept, const char* rule) {
        if (!kept)
            throw std::runtime_error(std::string(rule) + " at byte " + std::to_string(at));
    };
    const auto put = [&](std::uint8_t index, const char* rule) {
        check(row < height && x < width, rule);
        pixels[static_cast<std::size_t>(height - 1 - row) * width + x++] = index;
    };
    for (;;) {
        check(data.size() - at >= 2, "no end-of-bitmap code");
        const std::uint8_t count = data[at];
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(code, "a run passes the end of its row");
        } else if (code == 0) {
            check(x == width, "a row ends early");
            ++row;
            x = 0;
        } else if (code == 1) {
            check(row == height - 1 && x == width, "the picture ends before its last pixel");
            check(at == data.size(), "bytes follow the end of the bitmap");
            return pixels;
        } else {
            check(code != 2, "a delta code skips pixels");
            const std::size_t padded = code + code % 2;
            check(data.size() - at >= padded, "an absolute stretch passes the end");
            for (std::size_t i = 0; i < code; ++i)
                put(data[at + i], "an absolute stretch passes the end of its row");
            at += padded;
        }
    }
}
