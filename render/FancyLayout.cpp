#include "render/FancyLayout.h"
#include "render/TileSpan.h"

#include <algorithm>
#include <climits>

bool IsFancyStyle(int style) {
    return style >= 0 && style < kFancyStyleCount;
}

FancyPartTile FancyPartTileOf(int style, int part) {
    return {2LL * style + part / 4, part % 4 * 90};
}

const char* FancyTileRecord(const char* table, std::size_t tableSize, int style, int part) {
    if (!table || !IsFancyStyle(style) || part < 0 || part >= kFancyPartCount)
        return nullptr;
    const auto record = static_cast<std::size_t>(FancyPartTileOf(style, part).record);
    if (record >= tableSize / kFancyTileBytes)
        return nullptr;
    return table + record * kFancyTileBytes;
}

FancyPiece FancyPieceOf(int cellWidth, int cellHeight, int part) {
    const int thirdWidth = cellWidth / 3, thirdHeight = cellHeight / 3;
    const int middleWidth = cellWidth - 2 * thirdWidth, middleHeight = cellHeight - 2 * thirdHeight;
    const int right = cellWidth - thirdWidth, bottom = cellHeight - thirdHeight;
    switch (part) {
    case 0:
        return {thirdWidth, 0, middleWidth, thirdHeight};
    case 1:
        return {right, thirdHeight, thirdWidth, middleHeight};
    case 2:
        return {thirdWidth, bottom, middleWidth, thirdHeight};
    case 3:
        return {0, thirdHeight, thirdWidth, middleHeight};
    case 4:
        return {right, 0, thirdWidth, thirdHeight};
    case 5:
        return {right, bottom, thirdWidth, thirdHeight};
    case 6:
        return {0, bottom, thirdWidth, thirdHeight};
    case 7:
        return {0, 0, thirdWidth, thirdHeight};
    default:
        return {0, 0, 0, 0};
    }
}

namespace {

// Each leg of the walk: the part it draws and the step, in tiles, taken before every tile.
struct FrameLeg {
    int part;
    int stepX;
    int stepY;
};
constexpr FrameLeg kFrameLegs[8] = {{7, 0, 0}, {0, 1, 0},  {4, 1, 0},  {1, 0, 1},
                                    {5, 0, 1}, {2, -1, 0}, {6, -1, 0}, {3, 0, -1}};

bool FitsLong(long long value) {
    return value >= INT_MIN && value <= INT_MAX;
}

// A cell from `from` of size, either way, goes past edge.
bool Crosses(long long from, long long size, LONG edge) {
    return size > 0 ? from + size > edge : from + size < edge;
}

} // namespace

FancyFrameWalk::FancyFrameWalk(const RECT& frame, int tileWidth, int tileHeight,
                               const RECT* visible)
    : x_(frame.left), y_(frame.top),
      tileWidth_(frame.right < frame.left ? -static_cast<long long>(tileWidth) : tileWidth),
      tileHeight_(frame.bottom < frame.top ? -static_cast<long long>(tileHeight) : tileHeight) {
    const long long across = (static_cast<long long>(frame.right) - frame.left) / tileWidth_;
    const long long down = (static_cast<long long>(frame.bottom) - frame.top) / tileHeight_;
    const long long edgeAcross = across > 2 ? across - 2 : 0;
    const long long edgeDown = down > 2 ? down - 2 : 0;
    const long long tiles[8] = {1, edgeAcross, 1, edgeDown, 1, edgeAcross, 1, edgeDown};
    for (int leg = 0; leg < 8; ++leg)
        tiles_[leg] = tiles[leg];
    if (!visible)
        return;
    clipped_ = true;
    visible_[0] = std::min(visible->left, visible->right) - static_cast<long long>(tileWidth);
    visible_[1] = std::min(visible->top, visible->bottom) - static_cast<long long>(tileHeight);
    visible_[2] = std::max(visible->left, visible->right) + static_cast<long long>(tileWidth);
    visible_[3] = std::max(visible->top, visible->bottom) + static_cast<long long>(tileHeight);
}

// The steps from here, 1 to remaining, whose tiles can be seen.
StepRange FancyFrameWalk::VisibleSteps(long long stepX, long long stepY,
                                       long long remaining) const {
    if (!clipped_)
        return {1, remaining};
    const StepRange across = StepsOverlapping(x_, stepX, tileWidth_, visible_[0], visible_[2]);
    const StepRange down = StepsOverlapping(y_, stepY, tileHeight_, visible_[1], visible_[3]);
    return {std::max({1LL, across.first, down.first}),
            std::min({remaining, across.last, down.last})};
}

bool FancyFrameWalk::Next(FancyTilePlace& place) {
    for (; leg_ < 8; ++leg_, done_ = 0) {
        const FrameLeg& leg = kFrameLegs[leg_];
        const long long stepX = leg.stepX * tileWidth_, stepY = leg.stepY * tileHeight_;
        while (done_ < tiles_[leg_]) {
            const StepRange seen = VisibleSteps(stepX, stepY, tiles_[leg_] - done_);
            // Straight to the next tile that can be seen, or past the leg's end.
            const long long steps = seen.first <= seen.last ? seen.first : tiles_[leg_] - done_;
            x_ += steps * stepX;
            y_ += steps * stepY;
            done_ += steps;
            if (seen.first > seen.last)
                break;
            // Only a frame narrower than two tiles can step off the coordinate range.
            if (FitsLong(x_) && FitsLong(y_)) {
                place = {leg.part, {static_cast<LONG>(x_), static_cast<LONG>(y_)}};
                return true;
            }
        }
    }
    return false;
}

FancyChooserWalk::FancyChooserWalk(const RECT& area, int firstStyle, int cellWidth, int cellHeight)
    : area_(area), x_(area.left), y_(area.top), cellWidth_(cellWidth), cellHeight_(cellHeight),
      style_(firstStyle) {}

bool FancyChooserWalk::Next(int& style, RECT& cell) {
    if (style_ < 0 || style_ >= kFancyStyleCount)
        return false;
    if (Crosses(x_, cellWidth_, area_.right)) {
        x_ = area_.left;
        if (Crosses(x_, cellWidth_, area_.right))
            return false;
        y_ += cellHeight_;
    }
    if (Crosses(y_, cellHeight_, area_.bottom))
        return false;
    style = style_++;
    cell = {static_cast<LONG>(x_), static_cast<LONG>(y_), static_cast<LONG>(x_ + cellWidth_),
            static_cast<LONG>(y_ + cellHeight_)};
    x_ += cellWidth_;
    return true;
}
