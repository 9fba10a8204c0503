// Work buffers, point blocks and the rectangle array on the system's heaps.
#include "Qerno.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

TEST(WorkBuffers, ZeroedAndLockedOrNullNoneLeftLockedAndPatternsTurnedInTheirsOrTheCallers) {
    void* handle = reinterpret_cast<void*>(1);
    char* pointer = reinterpret_cast<char*>(1);
    ASSERT_EQ(1, AllocLockLcBuffer(&handle, &pointer, 4096));
    EXPECT_EQ(std::vector<char>(4096, 0), std::vector<char>(pointer, pointer + 4096));
    EXPECT_GE(LocalSize(handle), 4096u);
    FreeUnlockLcBuffer(&handle, &pointer);
    EXPECT_TRUE(handle == nullptr && pointer == nullptr);
    pointer = reinterpret_cast<char*>(1);
    EXPECT_EQ(0, AllocLockLcBuffer(&handle, &pointer, -1));
    EXPECT_TRUE(handle == nullptr && pointer == nullptr);
    EXPECT_EQ(0, AllocLockLcBuffer(nullptr, &pointer, 32));
    EXPECT_EQ(0, AllocLockLcBuffer(&handle, nullptr, 32));

    HGLOBAL global = nullptr;
    ASSERT_NE(nullptr, GetPointHandleBuffer(global, 10));
    EXPECT_EQ(80u, GlobalSize(global));
    EXPECT_EQ(1u, GlobalFlags(global) & GMEM_LOCKCOUNT);
    GlobalUnlock(global);
    GlobalFree(global);
    HLOCAL local = reinterpret_cast<HLOCAL>(1);
    EXPECT_EQ(nullptr, GetPointLcHandleBuffer(local, 0)) << "no bytes cannot be locked";
    EXPECT_EQ(nullptr, local);

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 3 * sizeof(POINT));
    static_cast<POINT*>(GlobalLock(block))[1] = {4, -4};
    GlobalUnlock(block);
    OffsetPoints(block, 2, 10, 20);
    OffsetPoints(nullptr, 2, 10, 20);
    EXPECT_EQ(0u, GlobalFlags(block) & GMEM_LOCKCOUNT);
    const auto* points = static_cast<const POINT*>(GlobalLock(block));
    EXPECT_TRUE(points[0].x == 10 && points[1].x == 14 && points[1].y == 16);
    EXPECT_EQ(0, points[2].x); // beyond n
    GlobalUnlock(block);
    GlobalFree(block);

    // The rectangle array's block too is unlocked between calls.
    CRectArray array;
    for (int i = 0; i < 7; ++i)
        array.Add({0, 20 * i, 10, 20 * i + 10});
    EXPECT_EQ(0u, GlobalFlags(array.m_hData) & GMEM_LOCKCOUNT);

    // The top-left pixel goes round the corners; only the quarter turns keep it.
    char pattern[32] = {static_cast<char>(0x80)};
    char work[32];
    const std::tuple<int, char*, int, int> turns[] = {
        {90, nullptr, 0, 15}, {90, work, 15, 15},    {0, nullptr, 15, 15},
        {270, work, 0, 15},   {180, nullptr, 15, 0}, {360, work, -1, 0},
    };
    for (const auto& [angle, buffer, row, column] : turns) {
        RotateBmp(angle, pattern, buffer);
        std::vector<char> expected(32);
        if (row >= 0)
            expected[2 * row + column / 8] = static_cast<char>(0x80 >> column % 8);
        EXPECT_EQ(expected, std::vector<char>(pattern, pattern + 32)) << angle;
    }
}

} // namespace
