// One gradient-fill plug-in shown as a host shows it.
#pragma once

#include <windows.h>

constexpr int kPlugInSwatchesWidth = 2 * 160 + 16;
constexpr int kPlugInSwatchesHeight = 16 + 100;

// The plug-in's gradient from first to second twice at (x, y): plain, and masked over a shade
// brush whose 1 bits show the DC's background colour; each captioned above.
void DrawPlugInSwatches(HDC dc, int x, int y, const char* plugInFile, COLORREF first,
                        COLORREF second);
