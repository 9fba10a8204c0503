// The sizes of a plug-in fill and whether a cached gradient can serve it.
#pragma once

#include "QernoTypes.h"

struct FillSize {
    LONG width;
    LONG height;
};

struct PlugInFill {
    FillSize device; // of the rectangle on the DC
    FillSize bitmap; // the plug-in paints, at least the device size
};

// The logical rectangle in screen pixels at the screen's logical units per pixel: a fill drawn
// small on one device keeps the detail it has on the screen.
FillSize ScreenMinimum(const RECT& logical, long xRate, long yRate);

// The fill of a normalised device rectangle, its bitmap at least minimum; false when the
// rectangle is empty or its 24-bit bitmap would not fit one DIB block.
bool SizePlugInFill(const RECT& device, FillSize minimum, PlugInFill* fill);

// A cache of at least the wanted size is stretched down; an exact cache is blitted as it is.
enum class CacheRule { kAtLeast, kExactly };

bool CacheServes(CacheRule rule, FillSize cached, FillSize wanted);
