#include "button_glyphs.h"
#include "button_sheet.h"
#include "thumb_sheet.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace qerno::resgen;
using qerno::image::Canvas;
using qerno::image::Rgb;

namespace {

constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kWhite = {255, 255, 255};
constexpr Rgb kShadow = {128, 128, 128};

const Canvas& Buttons() {
    static const Canvas sheet = ButtonSheet();
    return sheet;
}

// Black pixels of a face's interior, relative to the face's top-left.
std::set<std::pair<int, int>> BlackInside(int column, ButtonRow row) {
    std::set<std::pair<int, int>> black;
    const int x0 = ButtonFaceX(column);
    const int y0 = ButtonFaceY(static_cast<int>(row));
    for (int y = 1; y < kVisibleFaceHeight - 2; ++y)
        for (int x = 1; x < kVisibleFaceWidth - 2; ++x)
            if (Buttons().At(x0 + x, y0 + y) == kBlack)
                black.insert({x, y});
    return black;
}

} // namespace

TEST(ButtonSheet, CellSizeSurvivesThePaintersDivision) {
    EXPECT_EQ(Buttons().Width(), 240);
    EXPECT_EQ(Buttons().Height(), 132);
    EXPECT_EQ(Buttons().Width() / 10, kButtonWidth);
    EXPECT_EQ(Buttons().Height() / 6, kButtonHeight);
}

TEST(ButtonSheet, FacesAreRaisedExceptWhenPressed) {
    for (int column = 0; column < kButtonColumns; ++column) {
        const int x = ButtonFaceX(column);
        for (ButtonRow row : {ButtonRow::Idle, ButtonRow::Normal, ButtonRow::Focused}) {
            const int y = ButtonFaceY(static_cast<int>(row));
            EXPECT_EQ(Buttons().At(x, y), kWhite) << column;
            EXPECT_EQ(Buttons().At(x + kVisibleFaceWidth - 1, y + kVisibleFaceHeight - 1), kShadow);
        }
        const int y = ButtonFaceY(static_cast<int>(ButtonRow::Pressed));
        EXPECT_EQ(Buttons().At(x, y), kShadow) << column;
        EXPECT_EQ(Buttons().At(x + kVisibleFaceWidth - 1, y + kVisibleFaceHeight - 1),
                  (Rgb{0xC0, 0xC0, 0xC0}));
    }
}

TEST(ButtonSheet, PressedGlyphIsTheNormalOneMovedByOnePixel) {
    for (int column = 0; column < kButtonColumns; ++column) {
        std::set<std::pair<int, int>> moved;
        for (const auto& [x, y] : BlackInside(column, ButtonRow::Normal))
            moved.insert({x + 1, y + 1});
        EXPECT_EQ(BlackInside(column, ButtonRow::Pressed), moved) << column;
    }
}

TEST(ButtonSheet, IdleRowIsGreyedAndGlyphsDiffer) {
    std::set<std::set<std::pair<int, int>>> glyphs;
    for (int column = 0; column < kButtonColumns; ++column) {
        EXPECT_TRUE(BlackInside(column, ButtonRow::Idle).empty()) << column;
        glyphs.insert(BlackInside(column, ButtonRow::Normal));
    }
    EXPECT_EQ(glyphs.size(), 10u); // the unused column's empty face counts once
    EXPECT_TRUE(BlackInside(static_cast<int>(ButtonColumn::Unused), ButtonRow::Normal).empty());
}

TEST(ButtonSheet, GlyphsClearTheFocusRing) {
    for (int column = 0; column < kButtonColumns; ++column) {
        const qerno::image::MonoImage glyph = ButtonGlyph(static_cast<ButtonColumn>(column));
        for (int y = 0; y < kVisibleFaceHeight; ++y)
            for (int x = 0; x < kVisibleFaceWidth; ++x)
                if (glyph.At(x, y)) {
                    EXPECT_GT(x, 3) << column;
                    EXPECT_LT(x, kVisibleFaceWidth - 5) << column;
                    EXPECT_GT(y, 3) << column;
                    EXPECT_LT(y, kVisibleFaceHeight - 5) << column;
                }
    }
}

TEST(ThumbSheet, EveryLookSharesColumnZerosOutlineAndHasNoYellowInside) {
    const Canvas sheet = ThumbSheet();
    ASSERT_EQ(sheet.Width(), 48);
    ASSERT_EQ(sheet.Height(), 20);
    for (int look = 0; look < kThumbColumns; ++look)
        for (int y = 0; y < kThumbHeight; ++y)
            for (int x = 0; x < kThumbWidth; ++x) {
                const bool transparent = sheet.At(look * kThumbWidth + x, y) == kThumbTransparent;
                EXPECT_EQ(transparent, !InThumbOutline(x, y)) << look << " at " << x << "," << y;
                EXPECT_EQ(transparent, sheet.At(x, y) == kThumbTransparent);
            }
}

TEST(ThumbSheet, PointsAtTheTrackPositionPixel) {
    // The painter puts the track position at the thumb's left edge plus width / 2.
    const int point = kThumbWidth / 2;
    EXPECT_TRUE(InThumbOutline(point, kThumbHeight - 1));
    EXPECT_FALSE(InThumbOutline(point - 1, kThumbHeight - 1));
    EXPECT_FALSE(InThumbOutline(point + 1, kThumbHeight - 1));
    for (int y = 0; y < kThumbHeight; ++y)
        for (int d = 1; d < point; ++d)
            EXPECT_EQ(InThumbOutline(point - d, y), InThumbOutline(point + d, y)) << y;
}
