// Distances are measured between pixel centres, so that mirror-image pixels get exactly the same
// colour and the rim colour lands on the outermost pixels rather than beyond them.
#include "GradientShapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegreesPerRadian = 57.295779513082321;

struct Offset {
    double x;
    double y;
};

// The centre of the picture, for the radial gradient moved by the parameter's signed bytes.
Offset CentreOf(const GradientPicture& picture) {
    Offset centre = {picture.width / 2.0, picture.height / 2.0};
    if (picture.shape == GradientShape::Radial) {
        const auto percent = [](WORD byte) {
            return std::clamp(static_cast<int>(static_cast<signed char>(byte & 0xFF)), -100, 100);
        };
        centre.x += centre.x * percent(picture.parameter) / 100.0;
        centre.y += centre.y * percent(picture.parameter >> 8) / 100.0;
    }
    return centre;
}

// How far the outermost pixel centre lies from the centre along each axis; 0 for a single pixel
// in the middle, which then takes the first colour.
Offset ReachOf(const GradientPicture& picture, Offset centre) {
    return {std::max(std::fabs(0.5 - centre.x), std::fabs(picture.width - 0.5 - centre.x)),
            std::max(std::fabs(0.5 - centre.y), std::fabs(picture.height - 0.5 - centre.y))};
}

double Share(double distance, double reach) {
    return reach > 0 ? distance / reach : 0;
}

// 0 at the centre, 1 at the rim.
double Position(const GradientPicture& picture, int x, int y) {
    const Offset centre = CentreOf(picture);
    const Offset reach = ReachOf(picture, centre);
    const double dx = x + 0.5 - centre.x;
    const double dy = y + 0.5 - centre.y;
    switch (picture.shape) {
    case GradientShape::Radial:
        return Share(std::hypot(dx, dy), std::hypot(reach.x, reach.y));
    case GradientShape::Conical: {
        const double angle = std::atan2(-dy, dx) * kDegreesPerRadian;
        return std::fabs(std::remainder(angle - picture.parameter % 360, 360.0)) / 180;
    }
    case GradientShape::Diamond:
        return Share(std::fabs(dx), reach.x) + Share(std::fabs(dy), reach.y);
    case GradientShape::Rectangular:
        return std::max(Share(std::fabs(dx), reach.x), Share(std::fabs(dy), reach.y));
    }
    return 0;
}

// Ramps that turn back at each end, so that repeats meet without a hard edge.
double Repeated(double position, int ramps) {
    const double along = position * ramps;
    const double whole = std::floor(along);
    const double part = along - whole;
    return static_cast<long long>(whole) % 2 ? 1 - part : part;
}

// One colour byte, the one at shift, weighted from first to second.
COLORREF Blend(COLORREF first, COLORREF second, int shift, double weight) {
    const int from = (first >> shift) & 0xFF;
    const int to = (second >> shift) & 0xFF;
    return static_cast<COLORREF>(std::lround(from + (to - from) * weight)) << shift;
}

} // namespace

COLORREF GradientColour(const GradientPicture& picture, int x, int y) {
    double weight = std::min(Position(picture, x, y), 1.0);
    if (picture.shape == GradientShape::Diamond || picture.shape == GradientShape::Rectangular)
        weight = Repeated(weight, std::max<int>(picture.parameter, 1));
    return Blend(picture.first, picture.second, 0, weight) |
           Blend(picture.first, picture.second, 8, weight) |
           Blend(picture.first, picture.second, 16, weight);
}
