// How the brush selected into a DC paints in pattern mode, so that the fills can lay their band
// colours through it in memory rather than band by band through GDI.
#pragma once

#include <windows.h>

constexpr int kCellSize = 8; // the pixels of a brush cell along either axis

// One cell of the brush as it repeats from the brush origin: where the brush shows the text
// colour the band's colour comes through the mask; elsewhere the brush's own pixel stays.
struct BrushCell {
    DWORD mask[kCellSize][kCellSize]; // 0xFFFFFF where the band's colour shows, else 0
    DWORD own[kCellSize][kCellSize];  // 0xRRGGBB where the brush's own pixel shows, else 0
    POINT origin;                     // a device point where the cell's first pixel lies
    bool plain;                       // the band's colour everywhere: no brush at all

    DWORD Pixel(LONG x, LONG y, DWORD band) const {
        const LONG row = (y - origin.y) & (kCellSize - 1);
        const LONG column = (x - origin.x) & (kCellSize - 1);
        return (band & mask[row][column]) | own[row][column];
    }
};

// The cell of fills outside pattern mode.
BrushCell PlainCell();

// The cell of the DC's brush with its first pixel at origin; false when the brush's pattern may
// repeat other than every 8 pixels, or its pixels depend on more than the text colour.
bool ProbeBrushCell(HDC dc, POINT origin, BrushCell& cell);
