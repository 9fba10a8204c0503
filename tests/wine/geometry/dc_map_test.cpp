#include "Qerno.h"

#include <gtest/gtest.h>

namespace {

class ScaledDc : public ::testing::Test {
protected:
    void SetUp() override {
        dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc, nullptr);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, 100, 100, nullptr);
        SetViewportExtEx(dc, 50, 200, nullptr);
        SetWindowOrgEx(dc, 5, 5, nullptr);
        SetViewportOrgEx(dc, 10, 20, nullptr);
    }
    void TearDown() override { DeleteDC(dc); }

    POINT ToDevice(POINT logical) {
        LPtoDP(dc, &logical, 1);
        return logical;
    }

    HDC dc = nullptr;
};

TEST_F(ScaledDc, ChangeDCMapMakesLogicalUnitsDeviceUnitsUntilRestored) {
    const int saved = ChangeDCMap(dc);
    EXPECT_GT(saved, 0);
    const POINT mapped = ToDevice({37, 41});
    EXPECT_EQ(mapped.x, 37);
    EXPECT_EQ(mapped.y, 41);

    ASSERT_TRUE(RestoreDC(dc, saved));
    POINT origin = {};
    SIZE extent = {};
    GetWindowOrgEx(dc, &origin);
    GetWindowExtEx(dc, &extent);
    EXPECT_EQ(origin.x, 5);
    EXPECT_EQ(origin.y, 5);
    EXPECT_EQ(extent.cx, 100);
    EXPECT_EQ(extent.cy, 100);
    EXPECT_EQ(GetMapMode(dc), MM_ANISOTROPIC);
    EXPECT_EQ(SaveDC(dc), saved); // nothing else was left on the stack
}

TEST(PointBlock, OffsetPointsMovesTheBlockAndLeavesItUnlocked) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 3 * sizeof(POINT));
    ASSERT_NE(block, nullptr);
    auto* points = static_cast<POINT*>(GlobalLock(block));
    points[1] = {4, -4};
    GlobalUnlock(block);

    OffsetPoints(block, 2, 10, 20);
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
    points = static_cast<POINT*>(GlobalLock(block));
    EXPECT_EQ(points[0].x, 10);
    EXPECT_EQ(points[0].y, 20);
    EXPECT_EQ(points[1].x, 14);
    EXPECT_EQ(points[1].y, 16);
    EXPECT_EQ(points[2].x, 0); // beyond n
    GlobalUnlock(block);
    GlobalFree(block);
    OffsetPoints(nullptr, 2, 10, 20);
}

} // namespace
