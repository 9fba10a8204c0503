#include "support/LibraryHostTest.h"

namespace {

using StartedLibrary = LibraryHostTest;

TEST_F(StartedLibrary, HostMessagesPassTheFilterToTheHost) {
    constexpr UINT kHostMessage = WM_USER + 7;
    PostMessageA(host(), kHostMessage, 1, 2);
    MSG peeked;
    ASSERT_TRUE(PeekMessageA(&peeked, host(), kHostMessage, kHostMessage, PM_NOREMOVE));
    EXPECT_FALSE(FilterQernoDllMsg(&peeked));

    host_->PumpMessages();
    EXPECT_EQ(std::vector<UINT>{kHostMessage}, host_->userMessages());
}

} // namespace
