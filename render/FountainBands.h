// The arithmetic of a fountain fill, free of any DC: how many bands, how wide, in which colour,
// and which of them reach the clip. Positions are device pixels.
#pragma once

#include "QernoTypes.h"

// The larger component difference of two COLORREFs plus one: 1 (equal) to 256.
int ColourSteps(COLORREF first, COLORREF second);

struct BandLayout {
    int count;       // bands over the length, at most twice the colour steps
    long long pitch; // pixels from one band's start to the next, a multiple of 4
};

// Bands of 4 pixels, widened by 4 while there are more bands than colour steps and the wider
// pitch still leaves at least as many bands as steps. length is at least 1.
BandLayout LayOutBands(long long length, int steps);

// The band that takes the second colour: midpoint, clamped to 0..128, counts 128ths of the
// run back from the far edge.
int PeakBand(int lastBand, int midpoint);

// The first colour at band 0, the second at the peak and the first again at the last band.
COLORREF BandColour(int band, int peak, int lastBand, COLORREF first, COLORREF second);

// The bands of a fill in the order they are drawn, each with its index (which gives its colour)
// and its rectangle. A band spans its pitch plus the one pixel the next band overlaps, the last
// one ends at the far edge, and across the axis each reaches one pixel past the clipped far
// edge. Bands that end before the clip are passed over and the walk stops at the first one
// that starts beyond it.
class BandWalk {
public:
    // fill and clip normalised; topToBottom walks down the rows, else across the columns.
    BandWalk(const RECT& fill, const RECT& clip, bool topToBottom, long long pitch);

    // The next band to draw; false when none is left.
    bool Next(int& index, RECT& band);

private:
    bool topToBottom_;
    long long pitch_;
    long long start_; // along the axis
    long long end_;
    long long farEdge_;
    long long clipNear_;
    long long clipFar_;
    LONG crossNear_; // across the axis, clamped to the clip
    LONG crossFar_;  // one past the clamped far edge
    int index_ = 0;
};
