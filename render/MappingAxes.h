// Which way a DC's mapping runs its logical axes on the screen.
#pragma once

#include "render/BorderGeometry.h"

#include <windows.h>

// From the signs of the window and viewport extents; a world transform is not looked at.
ScreenAxes ScreenAxesOf(HDC dc);
