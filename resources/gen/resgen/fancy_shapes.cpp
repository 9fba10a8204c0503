#include "fancy_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qerno::resgen::fancy {

namespace {

double SegmentDistance(Point p, Point a, Point b) {
    const double dx = b.first - a.first;
    const double dy = b.second - a.second;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((p.first - a.first) * dx + (p.second - a.second) * dy) / lengthSquared, 0.0,
                       1.0);
    return std::hypot(p.first - (a.first + t * dx), p.second - (a.second + t * dy));
}

double PathDistance(const std::vector<Point>& path, Point p) {
    double best = HUGE_VAL;
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
        best = std::min(best, SegmentDistance(p, path[i], path[i + 1]));
    return best;
}

Shape Ellipse(double radiusU, double radiusV) {
    return [radiusU, radiusV](double u, double v) {
        return (u * u) / (radiusU * radiusU) + (v * v) / (radiusV * radiusV) <= 1.0;
    };
}

} // namespace

bool Between(double value, double low, double high) {
    return value >= low && value < high;
}

double Wrap(double along, double period, double centre) {
    const double offset = along - centre + period / 2;
    return offset - std::floor(offset / period) * period - period / 2;
}

Shape Nothing() {
    return [](double, double) { return false; };
}

Shape Union(std::vector<Shape> shapes) {
    return [shapes = std::move(shapes)](double a, double b) {
        return std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) { return s(a, b); });
    };
}

Shape Minus(Shape shape, Shape cut) {
    return [shape = std::move(shape), cut = std::move(cut)](double a, double b) {
        return shape(a, b) && !cut(a, b);
    };
}

Shape Rows(std::vector<std::pair<int, int>> ranges) {
    return [ranges = std::move(ranges)](double, double depth) {
        return std::any_of(ranges.begin(), ranges.end(), [&](const std::pair<int, int>& r) {
            return Between(depth, r.first, r.second + 1);
        });
    };
}

Shape Repeat(Shape element, double period, double phase, double depth) {
    return [element = std::move(element), period, phase, depth](double along, double d) {
        return element(Wrap(along, period, phase), d - depth);
    };
}

Shape At(Shape shape, double x, double y) {
    return [shape = std::move(shape), x, y](double px, double py) { return shape(px - x, py - y); };
}

Shape Rotated(Shape shape, double degrees) {
    const double c = std::cos(degrees * kPi / 180.0);
    const double s = std::sin(degrees * kPi / 180.0);
    return [shape = std::move(shape), c, s](double u, double v) {
        return shape(c * u + s * v, c * v - s * u);
    };
}

Shape Disc(double radius) {
    return [radius](double u, double v) { return u * u + v * v <= radius * radius; };
}

Shape Ring(double outerRadius, double innerRadius) {
    return [outerRadius, innerRadius](double u, double v) {
        const double r = std::hypot(u, v);
        return r <= outerRadius && r > innerRadius;
    };
}

Shape EllipseRing(double radiusU, double radiusV, double width) {
    return Minus(Ellipse(radiusU, radiusV), Ellipse(radiusU - width, radiusV - width));
}

Shape Box(double halfU, double halfV) {
    return
        [halfU, halfV](double u, double v) { return std::abs(u) <= halfU && std::abs(v) <= halfV; };
}

Shape Diamond(double halfU, double halfV) {
    return [halfU, halfV](double u, double v) {
        return std::abs(u) / halfU + std::abs(v) / halfV <= 1.0;
    };
}

Shape DiamondRing(double halfU, double halfV, double width) {
    return Minus(Diamond(halfU, halfV), Diamond(halfU - width * halfU / halfV, halfV - width));
}

Shape Plus(double arm, double halfWidth) {
    return Union({Box(arm, halfWidth), Box(halfWidth, arm)});
}

Shape Saltire(double arm, double width) {
    return Union(
        {Stroke({{-arm, -arm}, {arm, arm}}, width), Stroke({{-arm, arm}, {arm, -arm}}, width)});
}

Shape Star(int points, double outerRadius, double innerRadius, double turnDegrees) {
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = (turnDegrees + i * 180.0 / points) * kPi / 180.0;
        const double r = i % 2 == 0 ? outerRadius : innerRadius;
        corners.emplace_back(r * std::cos(angle), r * std::sin(angle));
    }
    return Polygon(std::move(corners));
}

// Crossing-number test, so concave outlines such as stars fill correctly.
Shape Polygon(std::vector<Point> corners) {
    return [corners = std::move(corners)](double u, double v) {
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point& a = corners[i];
            const Point& b = corners[j];
            if ((a.second > v) != (b.second > v) &&
                u < (b.first - a.first) * (v - a.second) / (b.second - a.second) + a.first)
                inside = !inside;
        }
        return inside;
    };
}

// Two lobes and a point downwards (towards +v); `size` is the full width.
Shape Heart(double size) {
    const double r = size / 4;
    return Union({At(Disc(r), -r, -r / 2), At(Disc(r), r, -r / 2),
                  Polygon({{-2 * r, -r / 3}, {2 * r, -r / 3}, {0, 2 * r}})});
}

Shape Stroke(std::vector<Point> path, double width) {
    return [path = std::move(path), width](double u, double v) {
        return PathDistance(path, {u, v}) <= width / 2;
    };
}

Shape PeriodicStroke(std::vector<Point> path, double width, double period) {
    return [path = std::move(path), width, period](double along, double depth) {
        const double a = along - std::floor(along / period) * period;
        for (const double shift : {-period, 0.0, period})
            if (PathDistance(path, {a + shift, depth}) <= width / 2)
                return true;
        return false;
    };
}

Shape Stamp(std::vector<const char*> rows) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(std::strlen(rows[0])) : 0;
    return [rows = std::move(rows), width, height](double u, double v) {
        const int col = static_cast<int>(std::floor(u + width / 2.0));
        const int row = static_cast<int>(std::floor(v + height / 2.0));
        return col >= 0 && row >= 0 && col < width && row < height && rows[row][col] == '#';
    };
}

Shape Wave(double depth, double amplitude, double period, double phase, double width) {
    return [=](double along, double d) {
        const double angle = 2 * kPi * (along - phase) / period;
        const double centre = depth + amplitude * std::sin(angle);
        const double slope = amplitude * 2 * kPi / period * std::cos(angle);
        return std::abs(d - centre) / std::sqrt(1 + slope * slope) <= width / 2;
    };
}

Shape Zigzag(double depth, double amplitude, double period, double phase, double width) {
    std::vector<Point> path;
    for (int i = 0; i <= 2; ++i)
        path.emplace_back(phase + i * period / 2, depth + (i % 2 == 0 ? -amplitude : amplitude));
    return PeriodicStroke(std::move(path), width, period);
}

} // namespace qerno::resgen::fancy
