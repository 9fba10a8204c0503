#include "Qerno.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kHostMessage = WM_USER + 7;

// The whole process shares one started library, as a host has it.
class StartedLibrary : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = new HostWindow;
        startResult_ = InitQernoDll(host_->handle(), LoadLibraryA("QernoRes.dll"));
    }
    static void TearDownTestSuite() { delete host_; }

    static HostWindow* host_;
    static int startResult_;
};

HostWindow* StartedLibrary::host_ = nullptr;
int StartedLibrary::startResult_ = 0;

TEST_F(StartedLibrary, StartsWithACompleteResourceModule) {
    EXPECT_EQ(1, startResult_);
    EXPECT_NE(nullptr, GetRCDllInstance());
    EXPECT_EQ(OBJ_BITMAP, GetObjectType(GetVertShimmerBmp()));
    EXPECT_EQ(OBJ_BITMAP, GetObjectType(GetHoriShimmerBmp()));
}

TEST_F(StartedLibrary, ShimmerTilesAreTheVerticalAndHorizontalBitmaps) {
    BITMAP vertical = {}, horizontal = {};
    ASSERT_TRUE(GetObjectA(GetVertShimmerBmp(), sizeof vertical, &vertical));
    ASSERT_TRUE(GetObjectA(GetHoriShimmerBmp(), sizeof horizontal, &horizontal));
    EXPECT_EQ(1, vertical.bmBitsPixel);
    EXPECT_EQ(vertical.bmWidth, horizontal.bmHeight);
    EXPECT_EQ(vertical.bmHeight, horizontal.bmWidth);
}

TEST_F(StartedLibrary, HostMessagesPassTheFilterToTheHost) {
    PostMessageA(host_->handle(), kHostMessage, 1, 2);
    MSG peeked;
    ASSERT_TRUE(PeekMessageA(&peeked, host_->handle(), kHostMessage, kHostMessage, PM_NOREMOVE));
    EXPECT_FALSE(FilterQernoDllMsg(&peeked));

    host_->PumpMessages();
    ASSERT_EQ(1u, host_->userMessages().size());
    EXPECT_EQ(kHostMessage, host_->userMessages().front());
}

TEST_F(StartedLibrary, IdleTimeReturnsWithNothingToDo) {
    ProcessQernoDllIdle();
    ProcessQernoDllIdle();
}

TEST_F(StartedLibrary, VersionsThroughTheExports) {
    EXPECT_EQ(2, GetLumoVer(4));
    EXPECT_EQ(1, GetLumoVer(5));
    EXPECT_EQ(0xFFFF, GetLumoVer(6));

    const tagLumoFileVer saved = {{9, 8, 7, 6}};
    SaveCurLumoFileVer(&saved);
    EXPECT_EQ(9, GetCurLumoFileVer(0));
    EXPECT_EQ(6, GetCurLumoFileVer(3));
    EXPECT_EQ(0xFFFF, GetCurLumoFileVer(4));
}

} // namespace
