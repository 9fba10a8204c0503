// Rates, pixel rounding and length conversions in the mapping modes a host uses.
#include "Qerno.h"

#include <gtest/gtest.h>

namespace {

// xRate by yRate logical units a pixel, y downwards, both origins moved so that nothing
// depends on them being 0.
HDC ScaledDC(int xRate, int yRate) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, xRate * 100, yRate * 100, nullptr);
    SetViewportExtEx(dc, 100, 100, nullptr);
    SetWindowOrgEx(dc, 700, -300, nullptr);
    SetViewportOrgEx(dc, 13, 29, nullptr);
    return dc;
}

TEST(DeviceScale, RatesPerMappingMode) {
    HDC text = CreateCompatibleDC(nullptr);
    HDC scaled = ScaledDC(15, 15);
    HDC twips = CreateCompatibleDC(nullptr);
    SetMapMode(twips, MM_TWIPS);
    EXPECT_EQ(1, GetnXRate(text));
    EXPECT_EQ(1, GetnYRate(text));
    EXPECT_EQ(15, GetnXRateEx(scaled));
    EXPECT_EQ(15, GetnYRate(scaled));
    EXPECT_NEAR(15, GetnXRate(twips), 1);
    EXPECT_EQ(1, GetnYRate(twips)) << "y grows upwards: the floor";
    for (HDC dc : {text, scaled, twips})
        DeleteDC(dc);

    HDC screen = GetDC(nullptr);
    EXPECT_EQ(1440 / GetDeviceCaps(screen, LOGPIXELSX), GetnXRateEx(nullptr));
    EXPECT_EQ(1440 / GetDeviceCaps(screen, LOGPIXELSY), GetnYRateEx(nullptr));
    ReleaseDC(nullptr, screen);
}

TEST(DeviceScale, VerticalRoundingLengthsAlongXAndTheSwitchToPixels) {
    HDC dc = ScaledDC(3, 15);
    EXPECT_EQ(30, GetIntMaxLogicSize(dc, 23));
    EXPECT_EQ(1, GetIntMaxDeviceSize(dc, 22));
    EXPECT_EQ(12, GetXWide(dc, 3));
    EXPECT_EQ(15, GetYWide(dc, 3));
    EXPECT_EQ(12, GetLogicLen(dc, 4));
    EXPECT_EQ(4, GetDeviceLen(dc, 12));
    EXPECT_EQ(7, GetLogicLen(nullptr, 7));

    SetViewDC(dc);
    POINT viewport, window;
    GetViewportOrgEx(dc, &viewport);
    GetWindowOrgEx(dc, &window);
    EXPECT_EQ(MM_TEXT, GetMapMode(dc));
    EXPECT_EQ(0, viewport.x | viewport.y | window.x | window.y);
    DeleteDC(dc);
}

} // namespace
