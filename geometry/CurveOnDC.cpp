// The curve meets the caller's device context here: placed points and hit positions go to
// device units, flattened points come back in logical units.
#include "QernoConfig.h"
#include "QernoGeometry.h"
#include "geometry/CurveMapping.h"
#include "geometry/SplineCurve.h"

namespace {

// A zeroed, locked work block of points that is unlocked and freed when the call returns.
class WorkPoints {
public:
    explicit WorkPoints(long long count) {
        if (count > 0 && count <= kMaxCurveBlockPoints)
            block_.m_hGlobal = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                           static_cast<SIZE_T>(count) * sizeof(POINT));
        block_.Lock();
    }
    ~WorkPoints() { block_.Unlock(); }
    WorkPoints(const WorkPoints&) = delete;
    WorkPoints& operator=(const WorkPoints&) = delete;

    POINT* points() const { return static_cast<POINT*>(block_.m_pData); }

private:
    CGlobalBlock block_;
};

// Fills the n + 6 control points from the placed points taken to device units.
bool BuildDeviceControlPoints(const CurveMapping& mapping, const POINT* placed, int n,
                              POINT* control) {
    WorkPoints padded(PaddedPointCount(n));
    if (!padded.points())
        return false;
    PadCurvePoints(placed, n, padded.points());
    mapping.ToDevice(padded.points(), n + 7);
    BackCalu(padded.points(), control, n + 5);
    return true;
}

HGLOBAL FlattenToLogical(HDC hdc, POINT* placed, int n, long& count) {
    if (n < 2 || !placed)
        return nullptr;
    const CurveMapping mapping(hdc);
    WorkPoints control(ControlPointCount(n));
    if (!control.points() || !BuildDeviceControlPoints(mapping, placed, n, control.points()))
        return nullptr;
    // A curve of coincident points has no point to hold, and a block of none could not be
    // locked by the caller: it comes back null. So does one too long for a 32-bit count.
    const long long total = CountCurvePoints(control.points(), n);
    if (total == 0 || total > kMaxCurveBlockPoints)
        return nullptr;
    count = static_cast<long>(total);

    HGLOBAL curve =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(total) * sizeof(POINT));
    if (!curve)
        return nullptr;
    if (auto* points = static_cast<POINT*>(GlobalLock(curve))) {
        EmitCurvePoints(control.points(), n, points);
        // Mapping the block at once gives what mapping each point as it is written would,
        // without a call into the system per point.
        mapping.ToLogical(points, static_cast<int>(total));
        GlobalUnlock(curve);
    }
    return curve;
}

} // namespace

// A null count pointer still gets the block: the caller then only draws or frees it.
HGLOBAL QERNO_CALL QuickCurve(HDC hdc, POINT* placed, int n, long* count) {
    long total = 0;
    HGLOBAL curve = FlattenToLogical(hdc, placed, n, total);
    if (count)
        *count = total;
    return curve;
}

int QERNO_CALL PtInPartCurve(POINT* placed, int n, POINT p, HDC hdc) {
    if (n < 2 || !placed)
        return 0;
    const CurveMapping mapping(hdc);
    WorkPoints control(ControlPointCount(n));
    if (!control.points() || !BuildDeviceControlPoints(mapping, placed, n, control.points()))
        return 0;
    mapping.ToDevice(&p, 1);
    return HitCurveSpan(control.points(), n, p);
}

int QERNO_CALL PtInCurve(POINT* placed, int n, POINT p, HDC hdc) {
    return PtInPartCurve(placed, n, p, hdc) >= 1 ? 1 : 0;
}
