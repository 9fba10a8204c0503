// Rates, pixel rounding, length conversions and device space in the mapping modes a host uses;
// the measure units' names.
#include "Qerno.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

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

// y grows upwards in twips, which gives the floor of 1.
TEST(DeviceScale, RatesPerMappingModeVerticalRoundingLengthsAlongXAndTheSwitchesToPixels) {
    HDC text = CreateCompatibleDC(nullptr), scaled = ScaledDC(15, 15);
    HDC twips = CreateCompatibleDC(nullptr);
    SetMapMode(twips, MM_TWIPS);
    EXPECT_EQ((std::vector<long>{1, 1, 15, 15, 1}),
              (std::vector<long>{GetnXRate(text), GetnYRate(text), GetnXRateEx(scaled),
                                 GetnYRate(scaled), GetnYRate(twips)}));
    for (HDC dc : {text, scaled, twips})
        DeleteDC(dc);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(1440 / GetDeviceCaps(screen, LOGPIXELSX), GetnXRateEx(nullptr));
    ReleaseDC(nullptr, screen);

    // Heights round to the rate vertically; widths and lengths go along x; without a DC a length
    // stays as it is. A change of map saves the state before it makes logical units device units,
    // and leaves nothing else on the stack; device space for good is MM_TEXT with both origins at
    // 0.
    HDC dc = ScaledDC(3, 15);
    const int saved = ChangeDCMap(dc);
    POINT p = {37, 41};
    LPtoDP(dc, &p, 1);
    EXPECT_TRUE(p.x == 37 && p.y == 41);
    ASSERT_TRUE(RestoreDC(dc, saved));
    EXPECT_EQ(saved, SaveDC(dc));
    EXPECT_EQ(
        (std::vector<long>{3, 30, 1, 12, 15, 12, 4, 7}),
        (std::vector<long>{GetnXRate(dc), GetIntMaxLogicSize(dc, 23), GetIntMaxDeviceSize(dc, 22),
                           GetXWide(dc, 3), GetYWide(dc, 3), GetLogicLen(dc, 4),
                           GetDeviceLen(dc, 12), GetLogicLen(nullptr, 7)}));
    SetViewDC(dc);
    POINT viewport, window;
    GetViewportOrgEx(dc, &viewport);
    GetWindowOrgEx(dc, &window);
    EXPECT_EQ(MM_TEXT, GetMapMode(dc));
    EXPECT_EQ(0, viewport.x | viewport.y | window.x | window.y);
    DeleteDC(dc);
}

// The name goes into a 16-byte buffer; bytes beyond it must stay as they were.
std::string UnitName(WORD unit) {
    char buffer[kMsrNameSize + 4];
    std::memset(buffer, 'x', sizeof buffer);
    GetMsrNameStr(unit, buffer);
    EXPECT_EQ("xxxx", std::string(buffer + kMsrNameSize, 4)) << "unit " << unit;
    return std::string(buffer, strnlen(buffer, kMsrNameSize));
}

// Without the resource module a unit has no name, but other codes are still unknown.
TEST(MeasureUnitNames, EachUnitItsOwnNameOtherCodesUnknown) {
    const HINSTANCE previous = GetRCDllInstance();
    SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    ASSERT_NE(nullptr, GetRCDllInstance());
    EXPECT_EQ("Inches", UnitName(4));
    std::set<std::string> names = {""};
    for (WORD unit = 1; unit <= 10; ++unit)
        names.insert(UnitName(unit));
    EXPECT_EQ(11u, names.size()) << "ten names, none empty";
    EXPECT_EQ("Unknown", UnitName(11));
    SetRCDllInstance(nullptr);
    EXPECT_EQ("", UnitName(4));
    EXPECT_EQ("Unknown", UnitName(0));
    SetRCDllInstance(previous);
}

} // namespace
