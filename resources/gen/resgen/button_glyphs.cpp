#include "button_glyphs.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace qerno::resgen {

namespace {

// Centre of the interior left by a 1-pixel highlight and a 2-pixel shadow.
constexpr int kCentreX = (kVisibleFaceWidth - 2) / 2;  // 10
constexpr int kCentreY = (kVisibleFaceHeight - 2) / 2; // 9

class GlyphPen {
public:
    GlyphPen() : mask_(kVisibleFaceWidth, kVisibleFaceHeight) {}

    // Rectangle by inclusive offsets from the centre.
    void Fill(int left, int top, int right, int bottom) {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                mask_.Set(kCentreX + x, kCentreY + y);
    }

    // A solid triangle `height` (odd) tall whose flat side is at `baseX` and whose point is
    // `depth` pixels away in the direction `direction` (+1 right, -1 left).
    void Triangle(int baseX, int depth, int height, int direction) {
        const int half = height / 2;
        for (int dy = -half; dy <= half; ++dy) {
            const int reach = (depth - 1) * (half - std::abs(dy)) / half;
            for (int i = 0; i <= reach; ++i)
                mask_.Set(kCentreX + baseX + direction * i, kCentreY + dy);
        }
    }

    // Pixel art centred on the centre, '#' set.
    void Art(const std::vector<const char*>& rows) {
        const int height = static_cast<int>(rows.size());
        const int width = static_cast<int>(std::strlen(rows[0]));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (rows[y][x] == '#')
                    mask_.Set(kCentreX - width / 2 + x, kCentreY - height / 2 + y);
    }

    image::MonoImage Done() const { return mask_; }

private:
    image::MonoImage mask_;
};

} // namespace

image::MonoImage ButtonGlyph(ButtonColumn column) {
    GlyphPen pen;
    switch (column) {
    case ButtonColumn::Play:
        pen.Triangle(-2, 6, 11, +1);
        break;
    case ButtonColumn::Pause:
        pen.Fill(-4, -4, -2, 4);
        pen.Fill(2, -4, 4, 4);
        break;
    case ButtonColumn::Stop:
        pen.Fill(-4, -4, 4, 4);
        break;
    case ButtonColumn::Unused:
        break;
    case ButtonColumn::ToStart:
        pen.Fill(-4, -4, -3, 4);
        pen.Triangle(4, 6, 9, -1);
        break;
    case ButtonColumn::PageBack:
        pen.Triangle(-1, 5, 9, -1);
        pen.Triangle(4, 5, 9, -1);
        break;
    case ButtonColumn::PageForward:
        pen.Triangle(-4, 5, 9, +1);
        pen.Triangle(1, 5, 9, +1);
        break;
    case ButtonColumn::ToEnd:
        pen.Triangle(-4, 6, 9, +1);
        pen.Fill(3, -4, 4, 4);
        break;
    case ButtonColumn::FullScreen:
        pen.Art({
            "####.....####",
            "###.......###",
            "##.#.....#.##",
            "#...#...#...#",
            ".............",
            ".............",
            ".............",
            "#...#...#...#",
            "##.#.....#.##",
            "###.......###",
            "####.....####",
        });
        break;
    case ButtonColumn::Close:
        pen.Art({
            "##.......##",
            "###.....###",
            ".###...###.",
            "..###.###..",
            "...#####...",
            "....###....",
            "...#####...",
            "..###.###..",
            ".###...###.",
            "###.....###",
            "##.......##",
        });
        break;
    }
    return pen.Done();
}

} // namespace qerno::resgen
