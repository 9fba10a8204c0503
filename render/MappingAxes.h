// Which way a DC's mapping runs its logical axes on the screen, and whether it maps at all.
#pragma once

#include "render/BorderGeometry.h"

#include <windows.h>

// From the signs of the window and viewport extents; a world transform is not looked at.
ScreenAxes ScreenAxesOf(HDC dc);

// Whether the DC already draws in device pixels from origin 0, as a new DC does and as SetViewDC
// leaves one.
bool DrawsInPixels(HDC dc);
