#include "render/TileRuns.h"

#include "QernoGeometry.h"
#include "QernoRender.h"
#include "render/LocalBuffer.h"
#include "render/TileBlitter.h"

#include <climits>
#include <cstring>
#include <new>

namespace {

bool SamePoint(POINT p, POINT q) {
    return p.x == q.x && p.y == q.y;
}

// rotate packs rows into whole bytes; the shared bitmap wants them 16-bit aligned.
long AlignedRowBytes(long width) {
    return (width + 15) / 16 * 2;
}

} // namespace

TileRuns::TileRuns(int capacity, int tileWidth, int tileHeight, int step, int thickness)
    : capacity_(capacity), tileWidth_(tileWidth), tileHeight_(tileHeight), step_(step),
      thickness_(thickness), runs_(new (std::nothrow) Run[capacity]),
      turns_(new (std::nothrow) Turn[capacity]) {}

int TileRuns::TurnOf(const char* tile, int angle) {
    for (int i = 0; i < turnCount_; ++i)
        if (turns_[i].tile == tile && turns_[i].angle == angle)
            return i;
    long width = 0;
    long height = 0;
    rotwh(tileWidth_, tileHeight_, &width, &height, angle);
    if (width <= 0 || height <= 0)
        return -1;
    const long rowBytes = AlignedRowBytes(width) > rowBytes_ ? AlignedRowBytes(width) : rowBytes_;
    if (static_cast<long long>(rowBytes) * (rows_ + height) > INT_MAX)
        return -1;
    turns_[turnCount_] = {tile, angle, width, height, static_cast<int>(rows_)};
    rowBytes_ = rowBytes;
    rows_ += height;
    return turnCount_++;
}

void TileRuns::Add(POINT p1, POINT p2, const char* tile) {
    if (!runs_ || !turns_ || runCount_ == capacity_)
        return;
    const TileLaying laying = LayTiles(p1, p2, step_, thickness_);
    if (laying.count == 0)
        return;
    const int turned = TurnOf(tile, laying.angle);
    if (turned >= 0)
        runs_[runCount_++] = {p1, p2, laying, turned};
}

void TileRuns::AddArrowLine(POINT first, POINT last, const char* startTile, const char* middleTile,
                            const char* endTile) {
    POINT from = first;
    POINT to = last;
    if (startTile) {
        const POINT startEnd = PointAlong(first, last, step_);
        Add(first, startEnd, startTile);
        from = startEnd;
    }
    if (endTile) {
        POINT endStart = PointAlong(last, from, step_);
        if (SamePoint(endStart, last))
            endStart = from; // nothing left between: the end tiles take the whole rest
        Add(endStart, last, endTile);
        to = endStart;
    }
    if (middleTile) {
        // A rest shorter than one tile is stretched to one, so that the line never goes bare.
        if (dist_ptpt(from, to) < step_)
            to = PointAlong(from, to, step_);
        Add(from, to, middleTile);
    }
}

HBITMAP TileRuns::MakeTurnedTiles() const {
    LocalBuffer bits(static_cast<int>(rowBytes_ * rows_));
    if (!bits.bits())
        return nullptr;
    for (int i = 0; i < turnCount_; ++i) {
        const Turn& turn = turns_[i];
        long width = turn.width;
        long height = turn.height;
        const long turnRowBytes = AlignedRowBytes(width);
        LocalBuffer block(static_cast<int>(turnRowBytes * height));
        if (!block.bits())
            return nullptr;
        rotate(reinterpret_cast<BYTE*>(const_cast<char*>(turn.tile)), tileWidth_, tileHeight_,
               reinterpret_cast<BYTE*>(block.bits()), &width, &height, turn.angle);
        const long packedRowBytes = (width + 7) / 8;
        if (packedRowBytes != turnRowBytes)
            RelaxBits(packedRowBytes, 1, height, block.bits());
        for (long row = 0; row < height; ++row)
            std::memcpy(bits.bits() + (turn.top + row) * rowBytes_,
                        block.bits() + row * turnRowBytes, turnRowBytes);
    }
    return CreateBitmap(static_cast<int>(rowBytes_ * 8), static_cast<int>(rows_), 1, 1,
                        bits.bits());
}

// p1 and p2 are as the screen shows them: each box goes back through the mapping, its sides
// running the way the mapping turns them, so the tile lands upright.
void TileRuns::Paint(HDC dc, ScreenAxes axes) const {
    if (runCount_ == 0)
        return;
    HBITMAP turned = MakeTurnedTiles();
    HDC memory = turned ? CreateCompatibleDC(dc) : nullptr;
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, turned);
        {
            TileBlitter blitter(dc);
            for (int r = 0; r < runCount_; ++r) {
                const Run& run = runs_[r];
                const Turn& turn = turns_[run.turned];
                for (int i = 0; i < run.laying.count; ++i) {
                    const POINT corner = OnScreen(TileCorner(run.p1, run.p2, run.laying, i), axes);
                    blitter.Blit(corner.x, corner.y, axes.x * run.laying.width,
                                 axes.y * run.laying.height, memory, 0, turn.top, turn.width,
                                 turn.height);
                }
            }
        }
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    if (turned)
        DeleteObject(turned);
}
