// The pixel work behind rotate, apart from its size arithmetic.
#pragma once

#include "QernoTypes.h"

// Where source pixel (0, 0) lands, and the sizes on both sides, in pixels.
struct RotationParams {
    int originX;
    int originY;
    int newWidth;
    int newHeight;
    int oldWidth;
    int oldHeight;
};

// Clears the target, maps every set source pixel onto it by the counter-clockwise turn
// (0..359, y up) and closes the pin holes the forward mapping leaves.
void RotateBitsKernel(const BYTE* source, BYTE* target, const RotationParams& params, int turn);

// Sets every clear pixel whose four neighbours are set, except in the first and last rows
// and at the row ends.
void ClosePinHoles(BYTE* bits, int stride, int rows);
