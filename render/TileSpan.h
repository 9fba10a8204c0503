// Which tiles of a row can be seen: a row of tiles laid at steps from an origin, tested against
// a visible interval without walking the row, so that a huge rectangle costs what its visible
// part does.
#pragma once

// Tile k covers origin + k * step on, size units (negative: the other way), half-open. The
// steps whose tile overlaps [from, to), first to last; none when first > last. A step of 0 gives
// every k or none.
struct StepRange {
    long long first;
    long long last;
};
StepRange StepsOverlapping(long long origin, long long step, long long size, long long from,
                           long long to);
