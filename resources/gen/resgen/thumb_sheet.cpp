#include "thumb_sheet.h"

#include <cstdlib>

namespace qerno::resgen {

namespace {

constexpr int kCentre = kThumbWidth / 2;             // 6
constexpr int kHalfWidth = 5;                        // columns 1..11
constexpr int kPointRows = kHalfWidth;               // the point narrows one pixel a row
constexpr int kBodyRows = kThumbHeight - kPointRows; // 15

struct Palette {
    image::Rgb face;
    image::Rgb faceAlternate; // every other pixel of the face, for the pressed look's weave
    image::Rgb light;
    image::Rgb shade;
    image::Rgb outline;
    bool grip;
};

constexpr image::Rgb kWhite = {0xFF, 0xFF, 0xFF};
constexpr image::Rgb kFace = {0xC0, 0xC0, 0xC0};
constexpr image::Rgb kShadow = {0x80, 0x80, 0x80};
constexpr image::Rgb kBlack = {0x00, 0x00, 0x00};

Palette LookPalette(ThumbLook look) {
    switch (look) {
    case ThumbLook::Pressed:
        return {kFace, kWhite, kWhite, kShadow, kBlack, true};
    case ThumbLook::Normal:
        return {kFace, kFace, kWhite, kShadow, kBlack, true};
    case ThumbLook::Hot:
        return {{0xD8, 0xE4, 0xF8}, {0xD8, 0xE4, 0xF8}, kWhite,
                {0x60, 0x80, 0xB0}, {0x00, 0x20, 0x60}, true};
    case ThumbLook::Disabled:
        return {kFace, kFace, kWhite, {0xA0, 0xA0, 0xA0}, kShadow, false};
    }
    return {};
}

int HalfWidthAt(int y) {
    return y < kBodyRows ? kHalfWidth : kHalfWidth - (y - kBodyRows + 1);
}

// Lit from the top left: the top and the left side (down the point too) are light, the
// right side and the point's right slope dark, with a shaded line just inside them.
image::Rgb PixelColour(const Palette& p, int x, int y) {
    const int offset = x - kCentre;
    const int half = HalfWidthAt(y);
    if (offset == half)
        return p.outline;
    if (y == 0 || offset == -half)
        return p.light;
    if (offset == half - 1 || (y >= kBodyRows - 1 && offset >= 0 && offset == HalfWidthAt(y + 1)))
        return p.shade;
    return (x + y) % 2 == 0 ? p.face : p.faceAlternate;
}

void DrawThumb(image::Canvas& sheet, int left, ThumbLook look) {
    const Palette p = LookPalette(look);
    for (int y = 0; y < kThumbHeight; ++y)
        for (int x = 0; x < kThumbWidth; ++x)
            if (InThumbOutline(x, y))
                sheet.Put(left + x, y, PixelColour(p, x, y));
    if (!p.grip)
        return;
    // Three ridges across the body to show it can be taken hold of.
    for (int ridge = 0; ridge < 3; ++ridge) {
        const int y = 4 + 3 * ridge;
        sheet.Line(left + kCentre - 2, y, left + kCentre + 2, y, p.shade);
        sheet.Line(left + kCentre - 2, y + 1, left + kCentre + 2, y + 1, kWhite);
    }
}

} // namespace

bool InThumbOutline(int x, int y) {
    if (y < 0 || y >= kThumbHeight)
        return false;
    return std::abs(x - kCentre) <= HalfWidthAt(y);
}

image::Canvas ThumbSheet() {
    image::Canvas sheet(kThumbSheetWidth, kThumbHeight, kThumbTransparent);
    for (int column = 0; column < kThumbColumns; ++column)
        DrawThumb(sheet, column * kThumbWidth, static_cast<ThumbLook>(column));
    return sheet;
}

} // namespace qerno::resgen
