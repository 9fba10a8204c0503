// What the control bar's source files share: the sheets' sizes, the drawing objects made at
// start-up, and the player window's bar geometry.
#pragma once

#include "media/ControlBarLayout.h"

#include <windows.h>

constexpr int kButtonSheetId = 6421;
constexpr int kThumbSheetId = 6426;

// Zero until the sheets are measured; a bar built then has no buttons and a zero-size thumb.
const BarSizes& BarSheetSizes();

HPEN BarGreyPen();
HFONT BarLabelFont();
HFONT BarPositionFont();

BarRect PlayerClient(HWND player);
// The width of the button area that building the bar stored in the player window.
int PlayerButtonArea(HWND player);

// Null when the resource module lacks it; the caller deletes it.
HBITMAP LoadBarSheet(int id);
