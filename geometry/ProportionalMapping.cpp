#include "QernoGeometry.h"

namespace {

struct Mapping {
    long long fromLeft, fromTop, fromWidth, fromHeight;
    long long toLeft, toTop, toWidth, toHeight;

    LONG X(long long x) const {
        return static_cast<LONG>(toLeft + (x - fromLeft) * toWidth / fromWidth);
    }
    LONG Y(long long y) const {
        return static_cast<LONG>(toTop + (y - fromTop) * toHeight / fromHeight);
    }
};

// False when either rectangle is missing or has a zero width or height.
bool MakeMapping(const RECT* from, const RECT* to, Mapping& mapping) {
    if (!from || !to)
        return false;
    mapping = {from->left,
               from->top,
               static_cast<long long>(from->right) - from->left,
               static_cast<long long>(from->bottom) - from->top,
               to->left,
               to->top,
               static_cast<long long>(to->right) - to->left,
               static_cast<long long>(to->bottom) - to->top};
    return mapping.fromWidth && mapping.fromHeight && mapping.toWidth && mapping.toHeight;
}

} // namespace

void QERNO_CALL GetNewMappingPoints(const RECT* from, const RECT* to, int n, POINT* points,
                                    POINT* out) {
    if (!points)
        return;
    POINT* const result = out ? out : points;
    Mapping mapping;
    const bool maps = MakeMapping(from, to, mapping);
    for (int i = 0; i < n; ++i) {
        const POINT p = points[i];
        result[i] = maps ? POINT{mapping.X(p.x), mapping.Y(p.y)} : p;
    }
}

POINT QERNO_CALL GetNewMappingPoint(const RECT* from, const RECT* to, POINT point) {
    Mapping mapping;
    if (!MakeMapping(from, to, mapping))
        return point;
    return {mapping.X(point.x), mapping.Y(point.y)};
}

void QERNO_CALL GetNewMappingRect(const RECT* from, const RECT* to, const RECT* rect, RECT* out) {
    if (!rect || !out)
        return;
    Mapping mapping;
    if (!MakeMapping(from, to, mapping)) {
        *out = *rect;
        return;
    }
    *out = {mapping.X(rect->left), mapping.Y(rect->top), mapping.X(rect->right),
            mapping.Y(rect->bottom)};
}
