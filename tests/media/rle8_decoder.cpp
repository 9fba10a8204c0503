#include "rle8_decoder.h"

#include <cstddef>
#include <utility>

DecodedRle8 DecodeRle8(const std::vector<std::uint8_t>& data, int width, int height) {
    DecodedRle8 result;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height);
    int row = 0; // from the bottom
    int x = 0;
    std::size_t at = 0;
    const auto fail = [&](const std::string& why) {
        result.error = why + " at byte " + std::to_string(at);
        return result;
    };
    const auto put = [&](std::uint8_t index) {
        if (row >= height || x >= width)
            return false;
        pixels[static_cast<std::size_t>(height - 1 - row) * width + x++] = index;
        return true;
    };
    for (;;) {
        if (data.size() - at < 2)
            return fail("no end-of-bitmap code");
        const std::uint8_t count = data[at];
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                if (!put(code))
                    return fail("a run passes the end of its row");
        } else if (code == 0) {
            if (x != width)
                return fail("a row ends early");
            ++row;
            x = 0;
        } else if (code == 1) {
            if (row != height - 1 || x != width)
                return fail("the picture ends before its last pixel");
            if (at != data.size())
                return fail("bytes follow the end of the bitmap");
            result.indices = std::move(pixels);
            return result;
        } else if (code == 2) {
            return fail("a delta code skips pixels");
        } else {
            const std::size_t padded = code + code % 2;
            if (data.size() - at < padded)
                return fail("an absolute stretch passes the end");
            for (std::size_t i = 0; i < code; ++i)
                if (!put(data[at + i]))
                    return fail("an absolute stretch passes the end of its row");
            at += padded;
        }
    }
}
