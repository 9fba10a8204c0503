#include "MediaSet.h"

#include <cstddef>

namespace testmedia {
namespace {

constexpr std::size_t kMaxCount = 255; // both counts are one byte
// Absolute mode needs 3 pixels at least (its counts 0 to 2 are escapes); a run of 3 or more
// costs 2 bytes against at least 3 bytes inside an absolute stretch.
constexpr std::size_t kShortest = 3;

constexpr std::uint8_t kEscape = 0;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;

std::size_t RunLength(const std::uint8_t* row, std::size_t from, std::size_t width) {
    std::size_t end = from + 1;
    while (end < width && end - from < kMaxCount && row[end] == row[from])
        ++end;
    return end - from;
}

void EncodeRow(const std::uint8_t* row, std::size_t width, Bytes& out) {
    std::size_t x = 0;
    while (x < width) {
        // The pixels before the next run worth a code of its own, as many as one count holds.
        std::size_t end = x;
        while (end < width && end - x < kMaxCount && RunLength(row, end, width) < kShortest)
            ++end;
        if (end - x >= kShortest) {
            out.push_back(kEscape);
            out.push_back(static_cast<std::uint8_t>(end - x));
            out.insert(out.end(), row + x, row + end);
            if ((end - x) % 2) // absolute stretches end on a 16-bit boundary
                out.push_back(0);
            x = end;
        } else {
            // A run, or pixels too few for absolute mode, each of whose runs gets its own code.
            const std::size_t run = RunLength(row, x, end == x ? width : end);
            out.push_back(static_cast<std::uint8_t>(run));
            out.push_back(row[x]);
            x += run;
        }
    }
}

} // namespace

Bytes EncodeRle8(const Bytes& indices, int width, int height) {
    Bytes out;
    for (int y = height - 1; y >= 0; --y) {
        EncodeRow(indices.data() + static_cast<std::size_t>(y) * width, width, out);
        out.push_back(kEscape);
        out.push_back(y > 0 ? kEndOfLine : kEndOfBitmap);
    }
    return out;
}

} // namespace testmedia
