// Borders of arrows, bunting, teeth, checks and frets: hard-edged figures, mostly mitred at the
// corner like a picture frame; figures that point along the frame follow it round.
#include "fancy_families.h"

#include <cmath>

namespace qerno::resgen::fancy {

namespace {

constexpr double kAxis = 8.0;

Shape Chevron(double halfHeight, double depthOfPoint, double width) {
    return Stroke(
        {{-depthOfPoint / 2, -halfHeight}, {depthOfPoint / 2, 0}, {-depthOfPoint / 2, halfHeight}},
        width);
}

Shape Arrowhead(double length, double halfWidth) {
    return Polygon({{-length / 2, -halfWidth}, {length / 2, 0}, {-length / 2, halfWidth}});
}

// Squares of `size` alternating ink and paper in rows from `top` to `bottom` (exclusive).
Shape Checks(double size, double top, double bottom) {
    return [=](double along, double depth) {
        if (!Between(depth, top, bottom))
            return false;
        const long column = static_cast<long>(std::floor(along / size));
        const long row = static_cast<long>(std::floor((depth - top) / size));
        return (column + row) % 2 == 0;
    };
}

// Inked from `base` down to a zigzag that runs between `high` and `low` depth, reaching
// `high` at `phase`.
Shape Sawtooth(double base, double high, double low, double period, double phase) {
    return [=](double along, double depth) {
        const double fraction = std::abs(Wrap(along, period, phase)) / (period / 2);
        const double edge = high + (low - high) * fraction;
        return depth >= base && depth <= edge;
    };
}

// The greek key's corner: a square spiral that starts from the key's outer wall and leaves
// room for the inner rail to turn.
Shape GreekKeyCorner() {
    return Stamp({
        "................",
        "###############.",
        "###############.",
        "##...........##.",
        "##...........##.",
        "##..#######..##.",
        "##..#######..##.",
        "##..##...##..##.",
        "##..##...##..##.",
        "##..##.......##.",
        "##..##.......##.",
        "....###########.",
        "....###########.",
        "###.............",
        "###.............",
        ".##.............",
    });
}

} // namespace

std::vector<Design> GeometricDesigns() {
    const Shape line = Rows({{7, 8}});
    const Shape chevron = Chevron(4.5, 4, 2);
    const Shape doubleChevron = Union({At(chevron, -2, 0), At(chevron, 2, 0)});
    const Shape head = Arrowhead(6, 4);
    const Shape outerRail = Rows({{1, 2}});
    const Shape rails = Rows({{1, 2}, {13, 14}});
    const Shape bunting =
        Union({Rows({{1, 1}}), Repeat(Polygon({{-2.6, -6}, {2.6, -6}, {0, 1.5}}), 8, 0, kAxis)});
    // Key cells are 2 pixels square: walls and gaps alternate every 2 pixels.
    const Shape greekKey =
        Union({Rows({{13, 14}}),
               PeriodicStroke({{13, 14}, {13, 2}, {1, 2}, {1, 10}, {9, 10}, {9, 6}, {5, 6}}, 2)});
    const Shape tauFret = Union(
        {rails, PeriodicStroke({{0, 2}, {0, 9.5}}, 2), PeriodicStroke({{-3.5, 9.5}, {3.5, 9.5}}, 2),
         PeriodicStroke({{8, 14}, {8, 6.5}}, 2), PeriodicStroke({{4.5, 6.5}, {11.5, 6.5}}, 2)});
    return {
        Following(Nothing(), chevron, 8, 0, Stroke({{2, -3}, {2, 2}, {-3, 2}}, 2)),
        Following(line, head, 16, 8),
        Following(Nothing(), doubleChevron, 16, 8),
        Plain(bunting),
        Plain(Union({outerRail, Sawtooth(3, 5, 12, 8, 4)})),
        // A mitre would mirror the checks out of step, so a solid block turns the corner.
        Ornamented(Checks(4, 4, 12), Checks(4, 4, 12), Box(4, 4), Box(4, 4)),
        Ornamented(Checks(4, 2, 14), Checks(4, 2, 14), Box(6, 6), Box(6, 6)),
        Plain(Union({Rows({{1, 1}, {14, 14}}), Checks(2, 4, 12)})),
        {greekKey, Turn::Mitre, Nothing(), At(GreekKeyCorner(), 8, 8), {}},
        Plain(PeriodicStroke({{0, 12}, {4, 12}, {4, 4}, {12, 4}, {12, 12}, {16, 12}}, 2)),
        Plain(tauFret),
    };
}

} // namespace qerno::resgen::fancy
