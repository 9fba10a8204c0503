// What the control bar's source files share: the sheets and their sizes, the drawing objects made
// at start-up, and the player window's bar geometry.
#pragma once

#include "media/players/ControlBarLayout.h"

#include <windows.h>

// Zero until the sheets are measured; a bar built then has no buttons and a zero-size thumb.
const BarSizes& BarSheetSizes();

HPEN BarGreyPen();
HFONT BarLabelFont();
HFONT BarPositionFont();

BarRect PlayerClient(HWND player);
// The width of the button area that building the bar stored in the player window.
int PlayerButtonArea(HWND player);

// The sheets loaded at start-up, each selected into a memory DC the bar holds; null when the
// resource module lacks one.
HDC BarButtonSheet();
HDC BarThumbSheet();
// The thumb's outline as a one-bit mask, set where the sheet's mask column shows the
// transparent yellow; null without a thumb sheet.
HDC BarThumbMask();
constexpr int kThumbMaskColumn = 0;
constexpr COLORREF kThumbTransparent = RGB(255, 255, 0);
