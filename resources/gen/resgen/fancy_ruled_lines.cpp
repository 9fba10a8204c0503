// Ruled borders: straight lines of different weights and spacings, with corner turns that
// range from a plain mitre to rounded, scooped, chamfered and notched corners, and a few
// with an ornament where the lines meet.
#include "fancy_families.h"

namespace qerno::resgen::fancy {

namespace {

// Rows are inked from the outer side (0); lines sit in the middle of the band, so a frame
// drawn at any width keeps its lines where the user placed the border.
const Shape kHairline = Rows({{7, 8}});
const Shape kMedium = Rows({{6, 9}});
const Shape kHeavy = Rows({{4, 11}});
const Shape kBand = Rows({{1, 14}});
const Shape kDouble = Rows({{3, 4}, {11, 12}});
const Shape kDoubleHeavy = Rows({{2, 5}, {10, 13}});
const Shape kTriple = Rows({{1, 2}, {7, 8}, {13, 14}});
const Shape kThickThin = Rows({{1, 6}, {10, 11}});
const Shape kThinThick = Rows({{4, 5}, {9, 14}});
const Shape kThinThickThin = Rows({{1, 2}, {5, 10}, {13, 14}});
const Shape kCloseDouble = Rows({{5, 6}, {9, 10}});
const Shape kPinstripe = Rows({{1, 2}, {5, 6}, {9, 10}, {13, 14}});

Design Lines(const Shape& rows, Turn turn) {
    return Plain(rows, turn);
}

// An ornament where the lines meet, with a margin of paper round it.
Design Knotted(const Shape& rows, Shape ornament, Shape margin) {
    return Ornamented(rows, rows, std::move(ornament), std::move(margin));
}

Shape Quatrefoil(double petal) {
    return Union({At(Disc(petal), 0, -petal), At(Disc(petal), 0, petal), At(Disc(petal), -petal, 0),
                  At(Disc(petal), petal, 0)});
}

} // namespace

std::vector<Design> RuledLineDesigns() {
    return {
        Lines(kHairline, Turn::Mitre),
        Lines(kHairline, Turn::Round),
        Lines(kMedium, Turn::Mitre),
        Lines(kMedium, Turn::Round),
        Lines(kMedium, Turn::Scoop),
        Lines(kHeavy, Turn::Mitre),
        Lines(kHeavy, Turn::Round),
        Lines(kHeavy, Turn::Chamfer),
        Lines(kHeavy, Turn::Notch),
        Lines(kBand, Turn::Mitre),
        Lines(kBand, Turn::Scoop),
        Lines(kDouble, Turn::Mitre),
        Lines(kDouble, Turn::Round),
        Lines(kDouble, Turn::Crossed),
        Lines(kDouble, Turn::Notch),
        Lines(kDouble, Turn::Scoop),
        Lines(kDoubleHeavy, Turn::Mitre),
        Lines(kDoubleHeavy, Turn::Chamfer),
        Lines(kTriple, Turn::Mitre),
        Lines(kTriple, Turn::Round),
        Lines(kThickThin, Turn::Mitre),
        Lines(kThickThin, Turn::Round),
        Lines(kThinThick, Turn::Mitre),
        Lines(kThinThickThin, Turn::Mitre),
        Lines(kThinThickThin, Turn::Crossed),
        Lines(kCloseDouble, Turn::Chamfer),
        Lines(kPinstripe, Turn::Mitre),
        Lines(kPinstripe, Turn::Round),
        Knotted(kMedium, Disc(4.6), Disc(4.6)),
        Knotted(kDouble, Minus(Box(6, 6), Diamond(3.5, 3.5)), Box(6, 6)),
        Knotted(kDouble, Diamond(5, 5), Diamond(7, 7)),
        Knotted(kThinThickThin, Ring(6, 4), Disc(6)),
        Knotted(kHairline, Star(8, 7.5, 3, -90), Disc(7.5)),
        Knotted(kDouble, Quatrefoil(2.8), Disc(7.5)),
    };
}

} // namespace qerno::resgen::fancy
