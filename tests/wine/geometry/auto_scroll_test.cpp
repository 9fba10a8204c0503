#include "Qerno.h"

#include <gtest/gtest.h>

#include <tuple>
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
    HWND window = CreateWindowA(type.lpszClassName, "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                type.hInstance, nullptr);
    const std::tuple<POINT, BOOL, Sent> cases[] = {
        {{1, 99}, FALSE, {}},
        {{0, 50}, TRUE, {{WM_HSCROLL, SB_LINEUP}}},
        {{200, 50}, TRUE, {{WM_HSCROLL, SB_LINEDOWN}}},
        {{100, -30}, TRUE, {{WM_VSCROLL, SB_LINEUP}}},
        {{-5, 150}, TRUE, {{WM_VSCROLL, SB_LINEDOWN}}}, // beyond both: vertically
    };
    for (const auto& [p, moved, scrolls] : cases) {
        received.clear();
        EXPECT_EQ(moved, MoveWin(window, p)) << p.x << ", " << p.y;
        EXPECT_EQ(scrolls, received) << p.x << ", " << p.y;
    }
    DestroyWindow(window);
}

} // namespace
