// How a fancy-character style is described and drawn into its edge and corner tiles.
#pragma once

#include "fancy_shapes.h"
#include "tile16.h"

namespace qerno::resgen::fancy {

// How the corner tile carries the edge motif round the frame's top-right corner. Its left
// column must take over from the last edge tile as the next edge tile would, and its bottom
// row lead into the right edge (the edge turned a quarter); turning the motif about the
// tile's top-right to bottom-left diagonal gives both at once.
enum class Turn {
    Mitre,   // as a picture frame: the motif mirrored at the diagonal
    Round,   // bent round a quarter circle centred on the tile's bottom-left corner
    Crossed, // both runs go on to the outer edges and cross
    Scoop,   // bent inwards round a quarter circle about the outer corner
    Chamfer, // cut off diagonally
    Notch,   // stepped in round a square bite out of the outer corner
};

struct Design {
    Shape edge; // over (along, depth)
    Turn turn = Turn::Mitre;
    Shape cornerMotif; // what the corner carries round, over (along, depth); empty: edge
    Shape ornament;    // drawn over the corner, over (x, y); empty: none
    Shape clearing;    // cleared from the carried motif before the ornament is drawn
};

struct Tiles {
    Tile16 edge;
    Tile16 corner;
};

Tiles Render(const Design& design);

// A design whose corner carries the edge motif round by `turn`.
Design Plain(Shape edge, Turn turn = Turn::Mitre);
// A design whose corner carries `carried` (often the edge's rails alone) round a mitre and
// puts `ornament` on the turning point, after clearing `clearing` there.
Design Ornamented(Shape edge, Shape carried, Shape ornament, Shape clearing = {});

// An element centred on the corner's turning point of a motif whose axis lies at `depth`:
// where the axes of the top and the right run cross.
Shape AtTurn(Shape element, double depth = 8.0);
// Figures that point along the frame, repeated as by Repeat, laid round the corner: turned
// clockwise on the right run, and on the turning point itself `atTurn`, or when that is
// empty the figure turned by half as much.
Shape AlongTurn(Shape element, double period, double phase, double depth = 8.0, Shape atTurn = {});
// A design of such figures on `carried` rails, which the corner mitres.
Design Following(Shape carried, const Shape& figure, double period, double phase,
                 Shape atTurn = {});

} // namespace qerno::resgen::fancy
