// Fountain bands written straight into the pixels of a DIB section, where no GDI call could
// lay them down faster.
#pragma once

#include "render/BandRows.h"

#include <windows.h>

// Writes the rows over area wherever the DC may draw, when a 24- or 32-bit DIB section is
// selected into it; false, with nothing written, otherwise.
bool WriteBandRows(HDC dc, const RECT& area, const BandRows& rows);
