#include "Qerno.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

namespace {

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

// The shimmer tiles are one 1-bit bitmap and its transpose.
TEST_F(StartedLibrary, StartsWithTheResourceModulesShimmerTiles) {
    EXPECT_EQ(1, startResult_);
    BITMAP vertical = {}, horizontal = {};
    ASSERT_TRUE(GetObjectA(GetVertShimmerBmp(), sizeof vertical, &vertical));
    ASSERT_TRUE(GetObjectA(GetHoriShimmerBmp(), sizeof horizontal, &horizontal));
    EXPECT_EQ(1, vertical.bmBitsPixel);
    EXPECT_EQ(vertical.bmWidth, horizontal.bmHeight);
    EXPECT_EQ(vertical.bmHeight, horizontal.bmWidth);
}

TEST_F(StartedLibrary, HostMessagesPassTheFilterToTheHost) {
    constexpr UINT kHostMessage = WM_USER + 7;
    PostMessageA(host_->handle(), kHostMessage, 1, 2);
    MSG peeked;
    ASSERT_TRUE(PeekMessageA(&peeked, host_->handle(), kHostMessage, kHostMessage, PM_NOREMOVE));
    EXPECT_FALSE(FilterQernoDllMsg(&peeked));

    host_->PumpMessages();
    ASSERT_EQ(1u, host_->userMessages().size());
    EXPECT_EQ(kHostMessage, host_->userMessages().front());
}

} // namespace
