// Each call repeated with the process's GDI handle table all but full: a call that leaves one
// object behind fills the rest of it, and the brush made afterwards fails. Holding the table this
// full lets a few thousand calls find what would otherwise take more calls than the table has
// handles (65,536 under Wine).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

using GdiCalls = std::vector<std::pair<const char*, std::function<void()>>>;

inline void ExpectNoGdiObjectLeftBehind(const GdiCalls& calls) {
    constexpr size_t kFreeHandles = 1000, kMostHeld = 1 << 20;
    std::vector<HBRUSH> held;
    for (HBRUSH brush; held.size() < kMostHeld && (brush = CreateSolidBrush(0));)
        held.push_back(brush);
    // A table that never fills is no table to test on.
    ASSERT_TRUE(held.size() < kMostHeld && held.size() > kFreeHandles) << "the table did not fill";
    for (size_t i = held.size() - kFreeHandles; i < held.size(); ++i)
        DeleteObject(held[i]);
    held.resize(held.size() - kFreeHandles);
    for (const auto& [name, call] : calls) {
        for (size_t i = 0; i < 2 * kFreeHandles; ++i)
            call();
        HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
        EXPECT_NE(nullptr, probe) << name << " leaves GDI objects behind";
        if (!probe)
            break; // every later call would only repeat the failure
        DeleteObject(probe);
    }
    for (HBRUSH brush : held)
        DeleteObject(brush);
}
