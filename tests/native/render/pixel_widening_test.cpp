#include "render/PixelWidening.h"

#include <gtest/gtest.h>

#include <vector>

// Every count up to a few words: the last pixel is read up to its own last byte, nothing after
// (the sanitizer sees a read past the row).
TEST(PixelWidening, PixelsOfAnyCountKeepTheirBytesInOrder) {
    for (std::size_t count = 0; count < 9; ++count) {
        std::vector<unsigned char> row(3 * count);
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>(0xF0 - i);
        std::vector<std::uint32_t> wide(count, 0xDEADBEEF);
        WidenBgrRow(row.data(), wide.data(), count);
        for (std::size_t pixel = 0; pixel < count; ++pixel)
            EXPECT_EQ(static_cast<std::uint32_t>(row[3 * pixel] | row[3 * pixel + 1] << 8 |
                                                 row[3 * pixel + 2] << 16),
                      wide[pixel])
                << count << " " << pixel;
    }
}
