#include "Qerno.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(LocalWorkBuffers, ZeroedLockedAndReleased) {
    void* handle = reinterpret_cast<void*>(1);
    char* pointer = reinterpret_cast<char*>(1);
    ASSERT_EQ(1, AllocLockLcBuffer(&handle, &pointer, 4096));
    ASSERT_NE(nullptr, handle);
    ASSERT_NE(nullptr, pointer);
    EXPECT_EQ(std::vector<char>(4096, 0), std::vector<char>(pointer, pointer + 4096));
    EXPECT_GE(LocalSize(handle), 4096u);
    FreeUnlockLcBuffer(&handle, &pointer);
    EXPECT_EQ(nullptr, handle);
    EXPECT_EQ(nullptr, pointer);

    handle = reinterpret_cast<void*>(1);
    pointer = reinterpret_cast<char*>(1);
    EXPECT_EQ(0, AllocLockLcBuffer(&handle, &pointer, -1));
    EXPECT_EQ(nullptr, handle);
    EXPECT_EQ(nullptr, pointer);
    EXPECT_EQ(0, AllocLockLcBuffer(nullptr, &pointer, 32));
    EXPECT_EQ(0, AllocLockLcBuffer(&handle, nullptr, 32));
}

TEST(PatternTurnBuffers, QuarterTurnsWithItsOwnWorkBufferOrTheCallers) {
    char pattern[32] = {};
    pattern[0] = static_cast<char>(0x80); // top-left
    RotateBmp(90, pattern, nullptr);
    EXPECT_EQ(0, pattern[0]);
    EXPECT_EQ(1, pattern[1]); // top-right

    char work[32];
    RotateBmp(90, pattern, work);
    EXPECT_EQ(1, pattern[31]); // bottom-right
    RotateBmp(0, pattern, nullptr);
    EXPECT_EQ(1, pattern[31]);
    RotateBmp(270, pattern, work);
    EXPECT_EQ(1, pattern[1]);         // top-right again
    RotateBmp(360, pattern, nullptr); // only the quarter turns keep the pixels

    EXPECT_EQ(std::vector<char>(32, 0), std::vector<char>(pattern, pattern + 32));
}

} // namespace
