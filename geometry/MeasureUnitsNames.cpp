// The names of the measure units, from the resource module.
#include "QernoFrame.h"
#include "QernoGeometry.h"
#include "geometry/MeasureUnits.h"

void QERNO_CALL GetMsrNameStr(WORD unit, char* out) {
    if (!out)
        return;
    const unsigned int id = MeasureUnitNameId(unit);
    if (id == 0) {
        lstrcpynA(out, "Unknown", kMsrNameSize);
        return;
    }
    // A missing string leaves the name empty rather than whatever the buffer held.
    out[0] = '\0';
    GetIDStringB(id, out, kMsrNameSize);
}
