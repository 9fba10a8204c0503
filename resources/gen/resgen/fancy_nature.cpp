// Borders of hearts, flowers and leaves. Figures that point somewhere (hearts, tulips,
// laurel) follow the frame round its corners instead of being mirrored there.
#include "fancy_families.h"

namespace qerno::resgen::fancy {

namespace {

constexpr double kAxis = 8.0;

Shape Every(double period, Shape figure, double phase = 0.0) {
    return Repeat(std::move(figure), period, phase, kAxis);
}

Shape Petals(int count, double petalRadius, double ringRadius) {
    std::vector<Shape> petals;
    for (int i = 0; i < count; ++i)
        petals.push_back(Rotated(At(Disc(petalRadius), 0, -ringRadius), 360.0 * i / count));
    return Union(std::move(petals));
}

// A heart turned to point down and left, into the frame from its top-right corner, built
// from a square and two discs so it stays crisp at the diagonal.
Shape DiagonalHeart(double half) {
    const Shape heart = Union({Box(half, half), At(Disc(half), 0, -half), At(Disc(half), half, 0)});
    return At(heart, -half / 2, half / 2); // centre of its bounding box on (0, 0)
}

Shape Bud(double petal) {
    return Union({Petals(4, petal, petal), Disc(petal / 2)});
}

} // namespace

std::vector<Design> NatureDesigns() {
    const Shape rails = Rows({{1, 1}, {14, 14}});
    const Shape centreLine = Rows({{7, 8}});
    const Shape dots = Every(16, Disc(1.3));
    const Shape smallHeart =
        Stamp({".##.##.", "#######", "#######", ".#####.", "..###..", "...#..."});
    const Shape laurelPair = Stamp({
        ".....##.",
        "...####.",
        "..####..",
        ".###....",
        "##......",
        "########",
        "########",
        "##......",
        ".###....",
        "..####..",
        "...####.",
        ".....##.",
    });
    // Flower head on the outer side.
    const Shape tulip = Stamp({
        "#...#...#",
        "##.###.##",
        "#########",
        "#########",
        ".#######.",
        "..#####..",
        "....#....",
        "....#....",
        "..#.#.#..",
        "...###...",
        "....#....",
    });
    const Shape berries = Union(
        {Wave(kAxis, 3.5, 16, 0, 1.8), Repeat(Disc(1.6), 16, 4, 4), Repeat(Disc(1.6), 16, 12, 12)});
    return {
        Following(Nothing(), Heart(10), 16, 8, DiagonalHeart(3.3)),
        Following(rails, smallHeart, 8, 0, DiagonalHeart(2.2)),
        Following(dots, Heart(9), 16, 8, DiagonalHeart(3)),
        Plain(Union({Every(16, Union({Petals(4, 2.4, 2.4), Disc(1)}), 8), Every(16, Disc(1.2))})),
        Plain(Union({Every(16, Minus(Union({Petals(8, 1.7, 4.3), Disc(2.2)}), Ring(2.9, 2.2)), 8),
                     Every(16, Disc(1.2))})),
        Plain(
            Union({Every(16, Union({Plus(6, 0.6), Saltire(4.2, 1.3)}), 8), Every(16, Disc(1.2))})),
        Following(centreLine, laurelPair, 8, 0, Bud(1.7)),
        Following(Every(16, Disc(1.2), 8), tulip, 16, 0, Bud(2)),
        Plain(berries, Turn::Round),
    };
}

} // namespace qerno::resgen::fancy
