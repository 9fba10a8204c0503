#include "render/EffectGeometry.h"
#include "render/TileSpan.h"
#include "QernoRender.h"

#include <algorithm>
#include <cstdlib>

int QERNO_CALL NeedClipEffect(unsigned short effect) {
    return effect >= 5 && effect <= 8 ? 1 : 0;
}

// Sides are taken in 64 bits: a rectangle may span the whole 32-bit range.
int SparkleSize(const RECT& rect, int size) {
    const long long shorter = std::min(static_cast<long long>(rect.right) - rect.left,
                                       static_cast<long long>(rect.bottom) - rect.top);
    if (shorter < 2LL * size)
        return static_cast<int>(shorter / 4);
    return size;
}

// size comes from SparkleSize, at most half the shorter side: the edges cannot cross or wrap.
RECT SparkleFrame(const RECT& rect, int size) {
    return {rect.left + size, rect.top + size, rect.right - size, rect.bottom - size};
}

SparklePhase SparklePhaseAt(DWORD time, int size) {
    constexpr int kStepLength = 2000;
    const int phase = static_cast<int>(time % kEffectCycle) * 6;
    const int swing = std::abs(1000 - phase % kStepLength);
    return {phase / kStepLength, static_cast<int>(static_cast<long long>(size) * swing / 1000)};
}

namespace {

enum Anchor {
    kLeftTop,
    kRightTop,
    kLeftBottom,
    kRightBottom,
    kLeftMiddle,
    kRightMiddle,
    kTopMiddle,
    kBottomMiddle,
};

struct Places {
    int count;
    Anchor at[2];
};

constexpr int kTypeCount = 4;

// [step][midpoints][type]: from one corner (or edge middle) through the two across the middle
// to the opposite one.
constexpr Places kPlaces[3][2][kTypeCount] = {
    {{{1, {kRightTop}}, {1, {kLeftTop}}, {1, {kRightBottom}}, {1, {kLeftBottom}}},
     {{1, {kRightMiddle}}, {1, {kTopMiddle}}, {1, {kBottomMiddle}}, {1, {kLeftMiddle}}}},
    {{{2, {kLeftTop, kRightBottom}},
      {2, {kLeftBottom, kRightTop}},
      {2, {kLeftBottom, kRightTop}},
      {2, {kLeftTop, kRightBottom}}},
     {{2, {kLeftMiddle, kRightMiddle}},
      {2, {kBottomMiddle, kTopMiddle}},
      {2, {kBottomMiddle, kTopMiddle}},
      {2, {kLeftMiddle, kRightMiddle}}}},
    {{{1, {kLeftBottom}}, {1, {kRightBottom}}, {1, {kLeftTop}}, {1, {kRightTop}}},
     {{1, {kLeftMiddle}}, {1, {kBottomMiddle}}, {1, {kTopMiddle}}, {1, {kRightMiddle}}}},
};

POINT AnchorPoint(const RECT& frame, Anchor anchor) {
    const LONG middleX = static_cast<LONG>((static_cast<long long>(frame.left) + frame.right) / 2);
    const LONG middleY = static_cast<LONG>((static_cast<long long>(frame.top) + frame.bottom) / 2);
    switch (anchor) {
    case kLeftTop:
        return {frame.left, frame.top};
    case kRightTop:
        return {frame.right, frame.top};
    case kLeftBottom:
        return {frame.left, frame.bottom};
    case kRightBottom:
        return {frame.right, frame.bottom};
    case kLeftMiddle:
        return {frame.left, middleY};
    case kRightMiddle:
        return {frame.right, middleY};
    case kTopMiddle:
        return {middleX, frame.top};
    case kBottomMiddle:
        return {middleX, frame.bottom};
    }
    return {};
}

} // namespace

SparkleStars SparkleStarsAt(const RECT& frame, WORD type, int step, bool midpoints) {
    SparkleStars stars = {};
    if (step < 0 || step > 2)
        return stars;
    if (type >= kTypeCount) {
        if (step != 1)
            return stars;
        type = 1; // every other type crosses the middle as types 1 and 2 do
    }
    const Places& places = kPlaces[step][midpoints ? 1 : 0][type];
    stars.count = places.count;
    for (int i = 0; i < places.count; ++i)
        stars.centre[i] = AnchorPoint(frame, places.at[i]);
    return stars;
}

StarLines StarLinesAt(POINT centre, int arm, int size) {
    StarLines lines = {};
    const LONG x = centre.x;
    const LONG y = centre.y;
    if (arm > 0) {
        lines.line[lines.count++] = {{x - arm, y}, {x + arm, y}};
        lines.line[lines.count++] = {{x, y - arm}, {x, y + arm}};
    }
    if (arm != size) {
        const int half = size - arm;
        lines.line[lines.count++] = {{x - half, y - half}, {x + half, y + half}};
        lines.line[lines.count++] = {{x + half, y - half}, {x - half, y + half}};
    }
    return lines;
}

ShimmerBar ShimmerBarAt(WORD direction, DWORD time, const RECT& device) {
    const long long t = time % kEffectCycle;
    const long long across = (static_cast<long long>(device.right) - device.left) * t / 1000;
    const long long down = (static_cast<long long>(device.bottom) - device.top) * t / 1000;
    switch (direction) {
    case 0:
        return {true, BarOrientation::Vertical, static_cast<int>(device.left + across)};
    case 1:
        return {true, BarOrientation::Vertical, static_cast<int>(device.right - across)};
    case 2:
        return {true, BarOrientation::Horizontal, static_cast<int>(device.top + down)};
    case 3:
        return {true, BarOrientation::Horizontal, static_cast<int>(device.bottom - down)};
    default:
        return {false, BarOrientation::Vertical, 0};
    }
}

TileRun ShimmerTiles(const ShimmerBar& bar, const RECT& device, int tileWidth, int tileHeight) {
    if (!bar.shown || tileWidth <= 0 || tileHeight <= 0)
        return {};
    const long long position = bar.position;
    if (bar.orientation == BarOrientation::Vertical) {
        const long long column = position - tileWidth / 2;
        if (column < device.left || position + tileWidth / 2 > device.right)
            return {};
        const long long rows = (static_cast<long long>(device.bottom) - device.top) / tileHeight;
        return {rows, {static_cast<LONG>(column), device.top}, {0, tileHeight}};
    }
    const long long row = position - tileHeight / 2;
    if (row < device.top || position + tileHeight / 2 > device.bottom)
        return {};
    const long long columns = (static_cast<long long>(device.right) - device.left) / tileWidth;
    return {columns, {device.left, static_cast<LONG>(row)}, {tileWidth, 0}};
}

// Every tile lies inside the rectangle, so only the product needs the wider type.
POINT TileAt(const TileRun& run, long long index) {
    return {static_cast<LONG>(run.first.x + index * run.step.x),
            static_cast<LONG>(run.first.y + index * run.step.y)};
}

TileRun VisibleTiles(const TileRun& run, const RECT& visible, int tileWidth, int tileHeight) {
    const StepRange across =
        StepsOverlapping(run.first.x, run.step.x, tileWidth, visible.left, visible.right);
    const StepRange down =
        StepsOverlapping(run.first.y, run.step.y, tileHeight, visible.top, visible.bottom);
    const long long first = std::max({0LL, across.first, down.first});
    const long long last = std::min({run.count - 1, across.last, down.last});
    if (first > last)
        return {};
    return {last - first + 1, TileAt(run, first), run.step};
}
