// Fountain bands as they reach the pixels: one Rectangle each, or, where the DC allows it, one
// row (or column) of them composed in memory and written into a section's pixels or copied over
// the fill. Under Wine a band is filled row by row, so a thousand rows of 4-pixel bands cost far
// more than a few copies.
#pragma once

#include "render/BrushCell.h"

#include <windows.h>

#include <vector>

struct PaintedBand {
    RECT rect;       // in device pixels, as Rectangle takes it
    COLORREF colour; // the brush's colour, or in pattern mode the text colour
};

// True when copying the bands' pixels leaves exactly what their Rectangles would: no outline, the
// copy mix, device pixels of 24 or 32 bits, no world transform or mirroring.
bool CanCopyBands(HDC dc);

// The pixels of the bands' Rectangles, laid down in a few copies through the brush's cell.
// bands run in order along the axis, each beginning where the one before ends but for the pixel
// they share, all across the same span.
void CopyBands(HDC dc, const std::vector<PaintedBand>& bands, bool topToBottom,
               const BrushCell& cell);
