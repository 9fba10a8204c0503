// The corner of a parallel outline: where the lines through two consecutive offset edges meet.
#pragma once

#include "QernoTypes.h"

// Each edge is two points, normally with the first edge's end near the second one's start.
// Fails, leaving corner as it was, when the edges are parallel and apart on an axis.
bool LineCrossPoint(const POINT* firstEdge, const POINT* secondEdge, POINT& corner);
