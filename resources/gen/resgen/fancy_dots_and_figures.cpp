// Borders of repeated small figures: dots, rings, dashes, squares, diamonds, crosses and
// stars. Figures sit every 4, 8 or 16 pixels with one centred on the corner's turning point,
// so a mitred corner carries the row round without crowding or a gap.
#include "fancy_families.h"

namespace qerno::resgen::fancy {

namespace {

constexpr double kAxis = 8.0; // depth of the figures' centre line

Shape Every(double period, Shape figure, double phase = 0.0) {
    return Repeat(std::move(figure), period, phase, kAxis);
}

Shape CrossPattee(double size) {
    const Shape arm =
        Polygon({{-0.9, 0.5}, {0.9, 0.5}, {size * 0.55, -size}, {-size * 0.55, -size}});
    return Union({arm, Rotated(arm, 90), Rotated(arm, 180), Rotated(arm, 270)});
}

} // namespace

std::vector<Design> DotAndFigureDesigns() {
    const Shape outerRails = Rows({{1, 2}, {13, 14}});
    const Shape edgeRails = Rows({{0, 1}, {14, 15}});
    const Shape thinRails = Rows({{2, 2}, {13, 13}});
    const Shape dash = Box(2.5, 1);
    const Shape fivePointStars = Union({outerRails, Every(16, Star(5, 6.2, 2.5), 8)});
    return {
        Plain(Every(4, Disc(1.2))),
        Plain(Every(8, Disc(2.6))),
        Plain(Union({outerRails, Every(16, Disc(3.8), 8)})),
        Plain(Every(8, Ring(2.9, 1.4))),
        Plain(Union({Every(16, Ring(4.2, 2.6), 8), Every(16, Disc(1.6))})),
        Plain(Union(
            {edgeRails, Every(16, Union({Ring(5.6, 4.1), Disc(2.1)}), 8), Every(16, Disc(1.3))})),
        Plain(Every(8, Ring(4.8, 3.4))),
        Plain(Every(8, dash)),
        Plain(Union({Repeat(dash, 8, 4, 4), Repeat(dash, 8, 4, 12)})),
        Plain(Union({Every(16, Box(3.5, 1), 8), Every(16, Disc(1.2))})),
        Plain(Union({thinRails, Every(8, Box(2, 0.9))})),
        Plain(Every(8, Box(2, 2))),
        Plain(Every(8, Diamond(4, 4))),
        Plain(Union({Rows({{7, 8}}), Every(8, Diamond(3, 4.2))})),
        Plain(Union({Rows({{0, 0}, {15, 15}}), Every(16, DiamondRing(8, 7, 1.5), 8)})),
        Plain(Union({Every(16, Diamond(4.5, 5.5), 8), Every(16, Disc(1.5))})),
        Plain(Every(8, Plus(3, 1))),
        Plain(Every(8, Saltire(2.6, 1.6))),
        Plain(Union({outerRails, Every(4, Saltire(2, 1.5))})),
        Plain(Union({Every(16, CrossPattee(5.5), 8), Every(16, Disc(1.3))})),
        Plain(Every(8, Star(4, 3.9, 1.2))),
        Plain(Union({Every(16, Star(8, 6.5, 3), 8), Every(16, Disc(1.3))})),
        Ornamented(fivePointStars, outerRails, Star(8, 6.5, 3), Disc(6.5)),
        Plain(Union({Every(16, Star(4, 6, 1.3), 8), Every(16, Disc(1.2))})),
    };
}

} // namespace qerno::resgen::fancy
