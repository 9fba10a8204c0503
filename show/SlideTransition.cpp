#include "show/SlideTransition.h"

#include "Qerno.h"

namespace {

constexpr COLORREF kShimmerColour = RGB(255, 255, 255);
constexpr COLORREF kSparkleColour = RGB(255, 255, 160);

} // namespace

void DrawTransition(HDC dc, SIZE size, ShowTransition transition, unsigned long time) {
    RECT area = {0, 0, size.cx, size.cy};
    if (transition == ShowTransition::Shimmer)
        DrawShimmer(dc, 0, time, kShimmerColour, &area, GetHoriShimmerBmp(), GetVertShimmerBmp());
    else if (transition == ShowTransition::Sparkle)
        DrawSparkle(dc, 0, time, kSparkleColour, &area,
                    (size.cx < size.cy ? size.cx : size.cy) / 10, 0);
}
