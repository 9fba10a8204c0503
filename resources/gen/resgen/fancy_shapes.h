// Shapes for drawing fancy-character tiles, as predicates on continuous coordinates.
//
// An edge motif is a shape over (along, depth): along runs with the frame (left to right on
// the top edge) and repeats every 16 units; depth runs from the frame's outer side (0) to
// its inner side (16). An element is a shape over (u, v) centred on (0, 0), u along the
// frame and v towards its inside. Tiles are sampled at pixel centres, so pixel (x, y) is
// the point (x + 0.5, y + 0.5).
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace qerno::resgen::fancy {

using Shape = std::function<bool(double, double)>;
using Point = std::pair<double, double>;

constexpr double kPeriod = 16.0; // every motif repeats within one tile
constexpr double kPi = 3.14159265358979323846;

// True when `value` lies in [low, high).
bool Between(double value, double low, double high);
// `along` moved by whole periods of `period` into [-period/2, period/2) around `centre`.
double Wrap(double along, double period, double centre = 0.0);

Shape Nothing();
Shape Union(std::vector<Shape> shapes);
Shape Minus(Shape shape, Shape cut);

// Whole pixel rows of an edge: each pair is a first and a last row, both inked.
Shape Rows(std::vector<std::pair<int, int>> ranges);
// The element repeated every `period` along the frame, centred at `phase` and `depth`.
Shape Repeat(Shape element, double period, double phase, double depth);
// A shape moved so its (0, 0) lies at (x, y).
Shape At(Shape shape, double x, double y);
// Clockwise on screen, like the tiles themselves.
Shape Rotated(Shape shape, double degrees);

// Elements.
Shape Disc(double radius);
Shape Ring(double outerRadius, double innerRadius);
Shape EllipseRing(double radiusU, double radiusV, double width);
Shape Box(double halfU, double halfV);
Shape Diamond(double halfU, double halfV);
Shape DiamondRing(double halfU, double halfV, double width);
Shape Plus(double arm, double halfWidth);
Shape Saltire(double arm, double width);
Shape Star(int points, double outerRadius, double innerRadius, double turnDegrees = -90.0);
Shape Polygon(std::vector<Point> corners);
Shape Heart(double size);
// Open path of straight segments drawn `width` wide with round joins.
Shape Stroke(std::vector<Point> path, double width);
// Like Stroke, for a path over one period that the frame repeats.
Shape PeriodicStroke(std::vector<Point> path, double width, double period = kPeriod);
// Pixel art centred on (0, 0): rows of '#' (ink) and '.' (none), all of equal length.
Shape Stamp(std::vector<const char*> rows);

// Flowing lines, repeating every `period` along the frame.
Shape Wave(double depth, double amplitude, double period, double phase, double width);
Shape Zigzag(double depth, double amplitude, double period, double phase, double width);

} // namespace qerno::resgen::fancy
