#include "render/FountainBands.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <limits>

namespace {

constexpr int kBandUnit = 4; // pixels; bands widen in steps of it too

int Component(COLORREF colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

long long CeilDiv(long long a, long long b) {
    return (a + b - 1) / b;
}

int Blend(int c1, int c2, int band, int peak, int lastBand) {
    if (band >= 0 && band <= peak && peak >= 1)
        return (c1 * (peak - band) + c2 * band) / peak;
    if (band > lastBand || peak >= lastBand)
        return c2;
    return (c2 * (lastBand - band) + c1 * (band - peak)) / (lastBand - peak);
}

} // namespace

int ColourSteps(COLORREF first, COLORREF second) {
    int widest = 0;
    for (int shift : {0, 8, 16})
        widest = std::max(widest, std::abs(Component(second, shift) - Component(first, shift)));
    return widest + 1;
}

BandLayout LayOutBands(long long length, int steps) {
    length = std::max(length, 1LL);
    // Widening stops at the first pitch that leaves no more bands than steps, or whose next
    // widening would leave fewer bands than steps. Both only become true as the pitch grows,
    // so the first such pitch is found by bisection: a long fill in two colours would
    // otherwise take a step for every few pixels of its length.
    const auto settles = [length, steps](long long pitch) {
        return CeilDiv(length, pitch) <= steps || CeilDiv(length, pitch + kBandUnit) < steps;
    };
    long long low = 1;                           // in band units
    long long high = CeilDiv(length, kBandUnit); // one band: settles whatever the steps
    while (low < high) {
        const long long middle = low + (high - low) / 2;
        if (settles(middle * kBandUnit))
            high = middle;
        else
            low = middle + 1;
    }
    const long long pitch = low * kBandUnit;
    return {static_cast<int>(CeilDiv(length, pitch)), pitch};
}

int PeakBand(int lastBand, int midpoint) {
    return lastBand * (128 - std::clamp(midpoint, 0, 128)) / 128;
}

COLORREF BandColour(int band, int peak, int lastBand, COLORREF first, COLORREF second) {
    COLORREF colour = 0;
    for (int shift : {0, 8, 16}) {
        const int c =
            Blend(Component(first, shift), Component(second, shift), band, peak, lastBand);
        colour |= static_cast<COLORREF>(c) << shift;
    }
    return colour;
}

BandWalk::BandWalk(const RECT& fill, const RECT& clip, bool topToBottom, long long pitch)
    : topToBottom_(topToBottom), pitch_(pitch) {
    start_ = end_ = topToBottom ? fill.top : fill.left;
    farEdge_ = topToBottom ? fill.bottom : fill.right;
    clipNear_ = topToBottom ? clip.top : clip.left;
    clipFar_ = topToBottom ? clip.bottom : clip.right;
    crossNear_ = topToBottom ? std::max(fill.left, clip.left) : std::max(fill.top, clip.top);
    const LONG crossFar =
        topToBottom ? std::min(fill.right, clip.right) : std::min(fill.bottom, clip.bottom);
    crossFar_ = crossFar < std::numeric_limits<LONG>::max() ? crossFar + 1 : crossFar;
    // A clip that misses the fill across the axis would turn the bands inside out, over
    // pixels of neither: nothing is drawn.
    if (crossNear_ > crossFar)
        end_ = farEdge_;
}

bool BandWalk::Next(int& index, RECT& band) {
    while (end_ < farEdge_) {
        const long long start = start_;
        end_ = std::min(start + pitch_ + 1, farEdge_);
        if (start > clipFar_) {
            end_ = farEdge_; // no later band reaches back into the clip
            return false;
        }
        index = index_++;
        start_ += pitch_;
        if (end_ >= clipNear_) {
            const LONG from = static_cast<LONG>(start);
            const LONG to = static_cast<LONG>(end_);
            band = topToBottom_ ? RECT{crossNear_, from, crossFar_, to}
                                : RECT{from, crossNear_, to, crossFar_};
            return true;
        }
    }
    return false;
}
