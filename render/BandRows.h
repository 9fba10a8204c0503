// The pixels fountain bands lay over an area, row by row: one colour per position along the
// fill's axis, through the brush's cell in pattern mode.
#pragma once

#include "render/BrushCell.h"

#include <windows.h>

#include <memory>

class BandRows {
public:
    // line holds one 0xRRGGBB pixel per position along the axis, from the area's left (or top).
    BandRows(std::unique_ptr<DWORD[]> line, const RECT& area, bool topToBottom,
             const BrushCell& cell);

    // Whether every row is of one colour, which Colour gives: a store beats a copy.
    bool Solid() const { return cell_.plain && topToBottom_; }
    DWORD Colour(LONG y) const { return line_[y - area_.top]; }

    // Whether each row repeats every kCellSize pixels, as rows through a brush do top to bottom.
    bool Repeats() const { return topToBottom_ && !cell_.plain; }
    // Row y's kCellSize pixels from column x on; valid until the next call.
    const DWORD* CellRow(LONG y, LONG x);

    // Row y's pixels from the area's left edge to its right; valid until the next call.
    const DWORD* Row(LONG y);

private:
    std::unique_ptr<DWORD[]> line_;
    RECT area_;
    bool topToBottom_;
    BrushCell cell_;
    LONG width_;
    // Left to right, a row for each of the cell's rows; top to bottom, the row last asked for.
    std::unique_ptr<DWORD[]> rows_;
    DWORD cellRow_[kCellSize];
};
