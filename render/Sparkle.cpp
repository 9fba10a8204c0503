#include "QernoRender.h"
#include "render/EffectGeometry.h"

namespace {

void DrawStar(HDC dc, POINT centre, int arm, int size) {
    const StarLines lines = StarLinesAt(centre, arm, size);
    for (int i = 0; i < lines.count; ++i) {
        MoveToEx(dc, lines.line[i].from.x, lines.line[i].from.y, nullptr);
        LineTo(dc, lines.line[i].to.x, lines.line[i].to.y);
    }
}

} // namespace

void QERNO_CALL DrawSparkle(HDC dc, unsigned short type, unsigned long time, unsigned long colour,
                            RECT* const rect, int size, int midpoints) {
    if (!dc || !rect)
        return;
    size = SparkleSize(*rect, size);
    if (size <= 0)
        return;
    const RECT frame = SparkleFrame(*rect, size);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (!pen)
        return;
    HGDIOBJ previousPen = SelectObject(dc, pen);
    POINT previousPosition;
    GetCurrentPositionEx(dc, &previousPosition);

    const SparklePhase phase = SparklePhaseAt(time, size);
    const SparkleStars stars = SparkleStarsAt(frame, type, phase.step, midpoints != 0);
    for (int i = 0; i < stars.count; ++i)
        DrawStar(dc, stars.centre[i], phase.arm, size);

    MoveToEx(dc, previousPosition.x, previousPosition.y, nullptr);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}
