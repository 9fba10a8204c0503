#include "Qerno.h"

#include <gtest/gtest.h>

namespace {

TEST(DcMap, LogicalUnitsAreDeviceUnitsUntilTheSavedStateIsRestored) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 100, 100, nullptr);
    SetViewportExtEx(dc, 50, 200, nullptr);
    SetWindowOrgEx(dc, 5, 5, nullptr);
    SetViewportOrgEx(dc, 10, 20, nullptr);
    POINT mapped = {37, 41};
    LPtoDP(dc, &mapped, 1);

    const int saved = ChangeDCMap(dc);
    POINT unchanged = {37, 41};
    LPtoDP(dc, &unchanged, 1);
    EXPECT_EQ(37, unchanged.x);
    EXPECT_EQ(41, unchanged.y);

    // The state was saved before it changed, and nothing else was left on the stack.
    ASSERT_TRUE(RestoreDC(dc, saved));
    POINT restored = {37, 41};
    LPtoDP(dc, &restored, 1);
    EXPECT_EQ(mapped.x, restored.x);
    EXPECT_EQ(mapped.y, restored.y);
    EXPECT_EQ(saved, SaveDC(dc));
    DeleteDC(dc);
}

TEST(PointBlock, OffsetPointsMovesTheFirstNAndLeavesTheBlockUnlocked) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 3 * sizeof(POINT));
    static_cast<POINT*>(GlobalLock(block))[1] = {4, -4};
    GlobalUnlock(block);
    OffsetPoints(block, 2, 10, 20);
    OffsetPoints(nullptr, 2, 10, 20);
    EXPECT_EQ(0u, GlobalFlags(block) & GMEM_LOCKCOUNT);
    const auto* points = static_cast<const POINT*>(GlobalLock(block));
    EXPECT_EQ(10, points[0].x);
    EXPECT_EQ(14, points[1].x);
    EXPECT_EQ(16, points[1].y);
    EXPECT_EQ(0, points[2].x); // beyond n
    GlobalUnlock(block);
    GlobalFree(block);
}

} // namespace
