#include "render/BandRows.h"

#include <algorithm>
#include <cstring>

namespace {

// The first kCellSize pixels of a row repeat along it, copied in doubling runs.
void RepeatCell(DWORD* row, LONG width) {
    for (LONG done = std::min<LONG>(kCellSize, width); done < width; done *= 2)
        std::memcpy(row + done, row, sizeof(DWORD) * std::min(done, width - done));
}

} // namespace

BandRows::BandRows(std::unique_ptr<DWORD[]> line, const RECT& area, bool topToBottom,
                   const BrushCell& cell)
    : line_(std::move(line)), area_(area), topToBottom_(topToBottom), cell_(cell),
      width_(area.right - area.left) {
    if (topToBottom_ || cell_.plain)
        return;
    rows_.reset(new DWORD[static_cast<size_t>(kCellSize) * width_]);
    for (LONG y = 0; y < kCellSize; ++y) {
        DWORD* row = rows_.get() + static_cast<size_t>(y) * width_;
        for (LONG x = 0; x < width_; ++x)
            row[x] = cell_.Pixel(area_.left + x, cell_.origin.y + y, line_[x]);
    }
}

const DWORD* BandRows::Row(LONG y, DWORD* scratch) const {
    if (!topToBottom_) {
        if (cell_.plain)
            return line_.get();
        const LONG cellRow = (y - cell_.origin.y) & (kCellSize - 1);
        return rows_.get() + static_cast<size_t>(cellRow) * width_;
    }
    DWORD cells[kCellSize];
    CellRow(y, area_.left, cells);
    std::copy(cells, cells + std::min<LONG>(kCellSize, width_), scratch);
    RepeatCell(scratch, width_);
    return scratch;
}

void BandRows::CellRow(LONG y, LONG x, DWORD (&cells)[kCellSize]) const {
    const DWORD colour = Colour(y);
    for (LONG i = 0; i < kCellSize; ++i)
        cells[i] = cell_.Pixel(x + i, y, colour);
}
