#include "media_reading.h"

#include <gtest/gtest.h>

// Rows wider than one count holds, with runs and stretches of every length around the limits
// between encoded and absolute mode, odd ones included.
TEST(Rle8Encoder, RowsOfEveryKindRoundTrip) {
    constexpr int kWidth = 600;
    constexpr int kRunLengths[] = {1, 2, 3, 1, 1, 4, 2, 1, 1, 1, 257, 1, 2, 2, 255, 3};
    Bytes picture(kWidth, 7);
    for (int x = 0; x < kWidth; ++x)
        picture.push_back(x % 2);
    for (int run = 0; picture.size() < 3 * kWidth; ++run)
        picture.insert(picture.end(), kRunLengths[run % std::size(kRunLengths)], run % 5);
    picture.resize(3 * kWidth);
    EXPECT_EQ(DecodeRle8(testmedia::EncodeRle8(picture, kWidth, 3), kWidth, 3), picture);
}
