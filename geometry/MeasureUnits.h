// What the unit conversions, texts and names share beyond the exported interface.
#pragma once

#include "QernoTypes.h"

// value in thousandths, rounded half up. Beyond the int range it saturates at +-INT_MAX, so the
// magnitude can always be taken, and NaN gives 0: the plain conversion would be undefined.
int UnitThousandths(float value);

// The resource string that names unit; 0 for a code outside 1..10.
unsigned int MeasureUnitNameId(WORD unit);
