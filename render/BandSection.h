// Fountain bands written straight into the pixels of a DIB section, where no GDI call could
// lay them down faster.
#pragma once

#include <windows.h>

// Writes line (one pixel per position along the axis, as 0xRRGGBB) over area wherever the DC
// may draw, when a 24- or 32-bit DIB section is selected into it; false, with nothing written,
// otherwise.
bool WriteBandLine(HDC dc, const RECT& area, const DWORD* line, bool topToBottom);
