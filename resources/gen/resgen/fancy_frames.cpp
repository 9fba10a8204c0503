#include "fancy_frames.h"

namespace qerno::resgen {

namespace {

void Stretch(const Tile16& tile, image::MonoImage& target, int x, int y, int width, int height) {
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            if (tile.At(col * kTileSize / width, row * kTileSize / height))
                target.Set(x + col, y + row);
}

} // namespace

Tile16 FramePartTile(const FancyStyle& style, int part) {
    return (part < 4 ? style.edge : style.corner).Turned(part % 4);
}

image::MonoImage AssembleFrame(const FancyStyle& style, int across, int down) {
    image::MonoImage frame(across * kTileSize, down * kTileSize);
    const auto place = [&](int part, int col, int row) {
        Stretch(FramePartTile(style, part), frame, col * kTileSize, row * kTileSize, kTileSize,
                kTileSize);
    };
    // Clockwise from the top-left corner, as the painter walks round.
    int col = 0;
    int row = 0;
    place(7, col, row);
    for (int i = 0; i < across - 2; ++i)
        place(0, ++col, row);
    place(4, ++col, row);
    for (int i = 0; i < down - 2; ++i)
        place(1, col, ++row);
    place(5, col, ++row);
    for (int i = 0; i < across - 2; ++i)
        place(2, --col, row);
    place(6, --col, row);
    for (int i = 0; i < down - 2; ++i)
        place(3, col, --row);
    return frame;
}

image::MonoImage ChooserCell(const FancyStyle& style, int width, int height) {
    image::MonoImage cell(width, height);
    const int w3 = width / 3;
    const int h3 = height / 3;
    const int midW = width - 2 * w3;
    const int midH = height - 2 * h3;
    struct Piece {
        int x, y, cx, cy;
    };
    const Piece pieces[8] = {
        {w3, 0, midW, h3},           {width - w3, h3, w3, midH},
        {w3, height - h3, midW, h3}, {0, h3, w3, midH},
        {width - w3, 0, w3, h3},     {width - w3, height - h3, w3, h3},
        {0, height - h3, w3, h3},    {0, 0, w3, h3},
    };
    for (int part = 0; part < 8; ++part)
        Stretch(FramePartTile(style, part), cell, pieces[part].x, pieces[part].y, pieces[part].cx,
                pieces[part].cy);
    return cell;
}

} // namespace qerno::resgen
