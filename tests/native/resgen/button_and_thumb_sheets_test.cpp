#include "button_sheet.h"
#include "thumb_sheet.h"

#include <gtest/gtest.h>

#include <set>

using namespace qerno::resgen;
using qerno::image::Rgb;

namespace {

using Pixels = std::set<std::pair<int, int>>;

const qerno::image::Canvas& Buttons() {
    static const qerno::image::Canvas sheet = ButtonSheet();
    return sheet;
}

// Black pixels of a face's interior, relative to the face's top-left.
Pixels BlackInside(int column, ButtonRow row) {
    Pixels black;
    for (int y = 1; y < kVisibleFaceHeight - 2; ++y)
        for (int x = 1; x < kVisibleFaceWidth - 2; ++x)
            if (Buttons().At(ButtonFaceX(column) + x, ButtonFaceY(int(row)) + y) == Rgb{})
                black.insert({x, y});
    return black;
}

} // namespace

// Raised faces are lit top-left and shaded bottom-right, the pressed one sunken with its glyph a
// pixel right and down; the idle row is greyed and each column's glyph its own. The painter finds a
// cell by dividing the sheet by 10 x 6.
TEST(ButtonSheet, FacesRaisedPressedAndGreyedWithDistinctGlyphs) {
    ASSERT_TRUE(Buttons().Width() == 10 * kButtonWidth && Buttons().Height() == 6 * kButtonHeight);
    const Rgb white = {255, 255, 255}, shadow = {128, 128, 128}, face = {0xC0, 0xC0, 0xC0};
    std::set<Pixels> glyphs;
    for (int column = 0; column < kButtonColumns; ++column) {
        for (ButtonRow row :
             {ButtonRow::Idle, ButtonRow::Normal, ButtonRow::Focused, ButtonRow::Pressed}) {
            const int x = ButtonFaceX(column), y = ButtonFaceY(int(row));
            const bool pressed = row == ButtonRow::Pressed;
            EXPECT_TRUE(Buttons().At(x, y) == (pressed ? shadow : white) &&
                        Buttons().At(x + kVisibleFaceWidth - 1, y + kVisibleFaceHeight - 1) ==
                            (pressed ? face : shadow));
        }
        Pixels moved;
        for (const auto& [x, y] : BlackInside(column, ButtonRow::Normal))
            moved.insert({x + 1, y + 1});
        EXPECT_EQ(BlackInside(column, ButtonRow::Pressed), moved) << column;
        EXPECT_TRUE(BlackInside(column, ButtonRow::Idle).empty()) << column;
        glyphs.insert(BlackInside(column, ButtonRow::Normal));
    }
    EXPECT_EQ(glyphs.size(), 10u); // the unused column's empty face counts once
    EXPECT_TRUE(BlackInside(int(ButtonColumn::Unused), ButtonRow::Normal).empty());
}

// The painter masks every look by column 0's yellow and puts the track position under the
// outline's one-pixel point at width / 2.
TEST(ThumbSheet, LooksShareOneOutlinePointingAtTheTrackPosition) {
    const qerno::image::Canvas sheet = ThumbSheet();
    ASSERT_TRUE(sheet.Width() == 48 && sheet.Height() == 20);
    const int point = kThumbWidth / 2;
    for (int y = 0; y < kThumbHeight; ++y)
        for (int x = 0; x < kThumbWidth; ++x) {
            for (int look = 0; look < kThumbColumns; ++look)
                EXPECT_EQ(!InThumbOutline(x, y),
                          sheet.At(look * kThumbWidth + x, y) == kThumbTransparent);
            if (y == kThumbHeight - 1)
                EXPECT_EQ(x == point, InThumbOutline(x, y)) << x;
        }
}
