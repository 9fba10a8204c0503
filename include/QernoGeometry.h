// Geometry and drawing: trigonometry, curves, polygons, rectangles, scales, units, rotation.
#pragma once

#include "QernoTypes.h"

// --- Integer trigonometry and polygons ---

// --- Spline curves ---

// --- Device scales, drawing primitives, rectangles, handles and CRectArray ---

// --- Measure units ---

// --- Bitmap rotation and slant ---
