#include "fancy_design.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace qerno::resgen::fancy {

namespace {

constexpr double kScoopRadius = 6.0;
constexpr double kChamferCut = 9.0;
constexpr double kNotchSize = 4.0; // larger bites pull deep lines off the tile's edge

bool InBand(const Shape& motif, double along, double depth) {
    return depth >= 0.0 && depth < kPeriod && motif(along, depth);
}

// The corner is split by its diagonal x + y = 16: above it lies the top run, below it
// the right run, seen in the top run's coordinates by mirroring at the diagonal.
bool MitreRun(const Shape& motif, double x, double y, double depthTop, double depthRight) {
    const double s = x + y;
    const bool top = s <= kPeriod && InBand(motif, x, depthTop);
    const bool right = s >= kPeriod && InBand(motif, kPeriod - y, depthRight);
    return top || right;
}

bool CornerInk(const Shape& motif, Turn turn, double x, double y) {
    const double outerTop = y;
    const double outerRight = kPeriod - x;
    switch (turn) {
    case Turn::Mitre:
        return MitreRun(motif, x, y, outerTop, outerRight);
    case Turn::Round: {
        const double radius = std::hypot(x, kPeriod - y);
        const double angle = std::atan2(x, kPeriod - y);
        return InBand(motif, angle * 2 * kPeriod / kPi, kPeriod - radius);
    }
    case Turn::Crossed:
        return InBand(motif, x, outerTop) || InBand(motif, kPeriod - y, outerRight);
    case Turn::Scoop: {
        const double scoop = std::hypot(kPeriod - x, y) - kScoopRadius;
        const double depth = std::min({outerTop, outerRight, scoop});
        return MitreRun(motif, x, y, depth, depth);
    }
    case Turn::Chamfer: {
        const double cut = (outerRight + outerTop - kChamferCut) / std::sqrt(2.0);
        const double depth = std::min({outerTop, outerRight, cut});
        return MitreRun(motif, x, y, depth, depth);
    }
    case Turn::Notch: {
        // Distance to the square bite: to its sides, or round its inner corner, so lines
        // step in with a rounded elbow and deep lines just dip.
        const double left = outerRight - kNotchSize; // > 0 left of the bite
        const double below = outerTop - kNotchSize;  // > 0 below the bite
        double bite = -1.0;                          // inside the bite: no ink
        if (left > 0 && below > 0)
            bite = std::hypot(left, below);
        else if (left > 0)
            bite = left;
        else if (below > 0)
            bite = below;
        const double depth = std::min({outerTop, outerRight, bite});
        return MitreRun(motif, x, y, depth, depth);
    }
    }
    return false;
}

} // namespace

Tiles Render(const Design& design) {
    const Shape& carried = design.cornerMotif ? design.cornerMotif : design.edge;
    Tiles tiles;
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            tiles.edge.Set(x, y, InBand(design.edge, px, py));
            bool ink = CornerInk(carried, design.turn, px, py);
            if (design.clearing && design.clearing(px, py))
                ink = false;
            if (design.ornament && design.ornament(px, py))
                ink = true;
            tiles.corner.Set(x, y, ink);
        }
    }
    return tiles;
}

Design Plain(Shape edge, Turn turn) {
    return {std::move(edge), turn, {}, {}, {}};
}

Design Ornamented(Shape edge, Shape carried, Shape ornament, Shape clearing) {
    return {std::move(edge), Turn::Mitre, std::move(carried), AtTurn(std::move(ornament)),
            clearing ? AtTurn(std::move(clearing)) : Shape{}};
}

Shape AtTurn(Shape element, double depth) {
    return At(std::move(element), kPeriod - depth, depth);
}

Design Following(Shape carried, const Shape& figure, double period, double phase, Shape atTurn) {
    constexpr double kDepth = 8.0;
    return {Union({carried, Repeat(figure, period, phase, kDepth)}),
            Turn::Mitre,
            carried,
            AlongTurn(figure, period, phase, kDepth, std::move(atTurn)),
            {}};
}

Shape AlongTurn(Shape element, double period, double phase, double depth, Shape atTurn) {
    // Positions measured along the corner's path: the top run's axis up to the turning point,
    // then down the right run's axis; the path is one tile long, like an edge.
    const double turnAt = kPeriod - depth;
    std::vector<Shape> placed;
    for (double at = phase - period * std::ceil(phase / period); at <= kPeriod + period;
         at += period) {
        if (std::abs(at - turnAt) < 1e-6)
            placed.push_back(AtTurn(atTurn ? atTurn : Rotated(element, 45), depth));
        else if (at < turnAt)
            placed.push_back(At(element, at, depth));
        else
            placed.push_back(At(Rotated(element, 90), turnAt, depth + at - turnAt));
    }
    return Union(std::move(placed));
}

} // namespace qerno::resgen::fancy
