// Scale arithmetic shared by the DC functions, free of any DC so it can be checked natively.
#pragma once

// size rounded to a multiple of rate; a remainder of exactly half a rate rounds down.
long RoundToRate(long size, long rate);

struct EllipseSize {
    long width;
    long height;
};

// The corner ellipse of a round rectangle width x height logical units: roundness percent of
// the shorter side in pixels, and round on the device.
EllipseSize RoundCornerSize(long width, long height, int roundness, long xRate, long yRate);
