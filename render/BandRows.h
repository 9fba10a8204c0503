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
    // Row y's kCellSize pixels from column x on, into cells.
    void CellRow(LONG y, LONG x, DWORD (&cells)[kCellSize]) const;

    // Row y's pixels from the area's left edge to its right. Rows are worked out top to bottom
    // into scratch, of Width() pixels, and are otherwise the rows' own.
    const DWORD* Row(LONG y, DWORD* scratch) const;
    LONG Width() const { return width_; }

private:
    std::unique_ptr<DWORD[]> line_;
    RECT area_;
    bool topToBottom_;
    BrushCell cell_;
    LONG width_;
    // Left to right through a brush, a row for each of the cell's rows.
    std::unique_ptr<DWORD[]> rows_;
};
