// The gradients of the sample plug-ins, free of any Windows call so that they are checked
// natively. Each blends from the first colour at the shape's centre to the second colour at its
// rim; the 16-bit parameter shapes it:
//   Radial       circles around a centre moved from the middle: the low byte is the horizontal
//                offset (positive to the right), the high byte the vertical one (positive
//                downwards), each a signed percentage of half the picture: +-100 puts the
//                centre on the border and larger values stop there; 0 keeps it in the middle.
//                The second colour reaches the pixel farthest from the centre.
//   Conical      rays around the middle: the first colour along the ray at parameter degrees
//                (counter-clockwise from three o'clock, taken modulo 360), the second along the
//                opposite ray, both sides alike so that there is no seam.
//   Diamond      a diamond touching the middle of each side, the second colour outside it.
//   Rectangular  rectangles out to the border, where the second colour lies.
// For the diamond and the rectangle the parameter is the number of ramps from the centre to the
// rim, each running back the way the one before came (0 counts as 1): an even count brings the
// first colour back at the rim.
#pragma once

#include "QernoTypes.h"

enum class GradientShape { Radial, Conical, Diamond, Rectangular };

struct GradientPicture {
    GradientShape shape;
    int width; // pixels, at least 1
    int height;
    WORD parameter;
    COLORREF first; // only the red, green and blue bytes count
    COLORREF second;
};

// The colour of pixel (x, y), (0, 0) the top left, as a COLORREF with a zero high byte.
COLORREF GradientColour(const GradientPicture& picture, int x, int y);

// GradientColour with what the whole picture shares worked out once: a fill asks it of millions
// of pixels.
class GradientPainter {
public:
    explicit GradientPainter(const GradientPicture& picture);
    COLORREF Colour(int x, int y) const;
    // Row y's colours as a 24-bit DIB holds them, blue, green and red bytes from the left.
    void PaintRow(int y, unsigned char* pixels) const;
    // A row above y whose colours row y repeats, its mirror image about the centre; -1 when
    // there is none. Only the cone is not mirrored top to bottom.
    int MirroredRow(int y) const;

private:
    double Position(int x, int y) const;
#if defined(__SSE2__)
    int PaintRadialPairs(int y, unsigned char* pixels) const;
#endif

    GradientPicture picture_;
    double centreX_, centreY_;
    double reachX_, reachY_; // from the centre to the outermost pixel centre, along each axis
    double rim_;             // from the centre to the farthest pixel centre
};
