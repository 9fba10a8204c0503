// Flowing borders: waves, zigzags, scallops, chains, ropes and braids, and the trades'
// borders (ladders, film, rulers, fringes). Curves bend round a rounded corner so the line
// never breaks; straight-edged motifs are mitred like a picture frame.
#include "fancy_families.h"

#include <cmath>

namespace qerno::resgen::fancy {

namespace {

constexpr double kAxis = 8.0;

// Two strands crossing at every half period, taking turns to lie on top: the lower strand
// is cut back on each side of the upper one.
Shape Braid(double amplitude, double width, double gap) {
    const Shape a = Wave(kAxis, amplitude, 16, 0, width);
    const Shape b = Wave(kAxis, -amplitude, 16, 0, width);
    const Shape aWide = Wave(kAxis, amplitude, 16, 0, width + 2 * gap);
    const Shape bWide = Wave(kAxis, -amplitude, 16, 0, width + 2 * gap);
    return [=](double along, double depth) {
        const bool aOnTop = std::abs(Wrap(along, 16, 0)) < 4; // crossings at 0 and 8
        if (aOnTop)
            return a(along, depth) || (b(along, depth) && !aWide(along, depth));
        return b(along, depth) || (a(along, depth) && !bWide(along, depth));
    };
}

// Arcs of `radius` round centres every `period`, the half towards `side` (+1 inwards).
Shape Arcs(double period, double phase, double centreDepth, double radius, double width, int side) {
    return [=](double along, double depth) {
        const double u = Wrap(along, period, phase);
        const double v = depth - centreDepth;
        return v * side >= 0 && std::abs(std::hypot(u, v) - radius) <= width / 2;
    };
}

Shape Stripes(double period, double slope, double width, double top, double bottom) {
    return [=](double along, double depth) {
        const double s = along + slope * depth;
        return Between(depth, top, bottom) && s - std::floor(s / period) * period < width;
    };
}

} // namespace

std::vector<Design> FlowingDesigns() {
    const Shape rails = Rows({{1, 1}, {14, 14}});
    const Shape link = EllipseRing(5.5, 3.4, 1.4);
    const Shape chain = Union({Repeat(link, 16, 8, kAxis), Repeat(Box(4.2, 1), 16, 0, kAxis)});
    const Shape rope =
        Union({Rows({{2, 2}, {13, 13}}), PeriodicStroke({{-1.5, 12}, {2.5, 4}}, 2.2, 4)});
    // A band split by a zigzag of paper into interlocking teeth.
    const Shape dogtooth = Minus(Rows({{2, 13}}), Zigzag(kAxis, 4.5, 8, 0, 1.8));
    const Shape scallops = Union({Rows({{11, 12}}), Arcs(8, 4, 11, 3.6, 1.8, -1)});
    const Shape lace =
        Union({Rows({{1, 2}}), Arcs(8, 4, 3, 4, 1.6, +1), Repeat(Disc(1.2), 8, 4, 11)});
    const Shape dentils = Union({Rows({{1, 3}}), Repeat(Box(2.5, 3.5), 8, 0, 8.5)});
    const Shape ladder = Union({Rows({{2, 3}, {12, 13}}), Repeat(Box(1, 4.5), 4, 0, kAxis)});
    const Shape film = Minus(Rows({{1, 14}}),
                             Union({Repeat(Box(1, 1.5), 4, 2, 4), Repeat(Box(1, 1.5), 4, 2, 12)}));
    const Shape barberPole = Union({Rows({{1, 1}, {14, 14}}), Stripes(8, 1, 4, 3, 13)});
    const Shape beads =
        Union({Rows({{7, 8}}), Repeat(Disc(3.1), 8, 0, kAxis), Repeat(Disc(1.7), 8, 4, kAxis)});
    const Shape pearls = Repeat(Minus(Disc(3.6), At(Disc(0.9), -1.3, -1.3)), 8, 0, kAxis);
    const Shape ruler = Union(
        {Rows({{1, 2}}), Repeat(Box(0.5, 4.5), 16, 0, 7.5), Repeat(Box(0.5, 2.5), 4, 0, 5.5)});
    const Shape fringe =
        Union({Rows({{1, 2}}), Repeat(Box(0.6, 4), 4, 2, 7), Repeat(Disc(1.3), 4, 2, 12)});
    const Shape trellis = Union({rails, Stripes(8, 1, 1.5, 2, 14), Stripes(8, -1, 1.5, 2, 14)});
    // A wave rising off the base line and rolling over into a curl.
    const std::vector<Point> curl = {{2, 13.5}, {6, 12.5}, {8.5, 10}, {9, 7}, {8, 4.5}, {5.5, 3},
                                     {3, 3.5},  {2, 5.5},  {3, 7.5},  {5, 8}, {6, 6.5}};
    const Shape scroll = Union({Rows({{13, 14}}), PeriodicStroke(curl, 1.7)});
    return {
        Ornamented(chain, chain, Ring(4.6, 3.2), Disc(5.6)),
        Plain(rope, Turn::Round),
        Plain(Braid(4, 2, 1.3), Turn::Round),
        Plain(Wave(kAxis, 3, 16, 0, 2), Turn::Round),
        Plain(Wave(kAxis, 3, 16, 0, 4), Turn::Round),
        Plain(Union({Wave(5, 2.5, 16, 0, 1.8), Wave(11, 2.5, 16, 0, 1.8)}), Turn::Round),
        Plain(Union({rails, Wave(kAxis, 3.5, 16, 0, 1.8)}), Turn::Round),
        Plain(Zigzag(kAxis, 3.5, 8, 0, 2)),
        Plain(Zigzag(kAxis, 5, 16, 0, 2.4)),
        Plain(Union({Zigzag(5, 2.5, 8, 0, 1.8), Zigzag(11, 2.5, 8, 0, 1.8)})),
        Plain(Union({rails, Zigzag(kAxis, 4, 8, 0, 1.6)})),
        Plain(dogtooth),
        Plain(scallops, Turn::Round),
        Plain(lace, Turn::Round),
        Plain(dentils),
        Plain(ladder),
        Plain(film),
        Plain(barberPole),
        Plain(beads),
        Plain(pearls),
        Plain(ruler),
        Plain(fringe),
        Plain(trellis),
        Plain(scroll, Turn::Round),
    };
}

} // namespace qerno::resgen::fancy
