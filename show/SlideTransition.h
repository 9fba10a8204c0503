// The effects that lead into a slide, drawn over it.
#pragma once

#include "show/ShowDocument.h"

#include <windows.h>

// The effects repeat every kTransitionPeriod time units.
constexpr unsigned long kTransitionPeriod = 1000;

// The frame of transition at time over a slide of size pixels; None draws nothing.
void DrawTransition(HDC dc, SIZE size, ShowTransition transition, unsigned long time);
