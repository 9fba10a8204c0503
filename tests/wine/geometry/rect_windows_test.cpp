// Auto-scrolling towards a dragged point, and memory blocks on the system's heaps.
#include "Qerno.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Sent = std::vector<std::pair<UINT, WPARAM>>;
Sent received;

LRESULT CALLBACK RecordScrolls(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL || message == WM_VSCROLL)
        received.emplace_back(message, wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(MoveWin, ScrollsOneLineTowardsAPointOnOrBeyondTheEdge) {
    WNDCLASSA type = {};
    type.lpfnWndProc = RecordScrolls;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "QernoDragTarget";
    RegisterClassA(&type);
    HWND window = CreateWindowA("QernoDragTarget", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                type.hInstance, nullptr);
    auto scrolls = [&](POINT p, BOOL moved) {
        received.clear();
        EXPECT_EQ(moved, MoveWin(window, p)) << p.x << ", " << p.y;
        return received;
    };
    EXPECT_EQ(Sent{}, scrolls({1, 99}, FALSE));
    EXPECT_EQ((Sent{{WM_HSCROLL, SB_LINEUP}}), scrolls({0, 50}, TRUE));
    EXPECT_EQ((Sent{{WM_HSCROLL, SB_LINEDOWN}}), scrolls({200, 50}, TRUE));
    EXPECT_EQ((Sent{{WM_VSCROLL, SB_LINEUP}}), scrolls({100, -30}, TRUE));
    EXPECT_EQ((Sent{{WM_VSCROLL, SB_LINEDOWN}}), scrolls({-5, 150}, TRUE)) << "beyond both";
    DestroyWindow(window);
}

TEST(HandleBuffers, ZeroedAndLockedOrNullWithANullHandle) {
    HGLOBAL global = nullptr;
    POINT* points = GetPointHandleBuffer(global, 10);
    ASSERT_NE(nullptr, points);
    EXPECT_EQ(80u, GlobalSize(global));
    EXPECT_EQ(1u, GlobalFlags(global) & GMEM_LOCKCOUNT);
    GlobalUnlock(global);
    GlobalFree(global);

    HLOCAL local = reinterpret_cast<HLOCAL>(1);
    EXPECT_EQ(nullptr, GetPointLcHandleBuffer(local, 0)) << "no bytes cannot be locked";
    EXPECT_EQ(nullptr, local);
}

TEST(RectArrayOnGlobalMemory, UnlockedBetweenCallsAndGrownByTheStep) {
    CRectArray array;
    for (int i = 0; i < 7; ++i)
        array.Add({0, 20 * i, 10, 20 * i + 10});
    EXPECT_EQ(0u, GlobalFlags(array.m_hData) & GMEM_LOCKCOUNT);
    EXPECT_EQ(11u * sizeof(RECT), GlobalSize(array.m_hData));
    EXPECT_EQ(120, array[6].top);
}

} // namespace
