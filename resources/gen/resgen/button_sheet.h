// Bitmap 6421: the control bar's button faces, 10 columns by 6 rows of cells.
#pragma once

#include "canvas.h"

namespace qerno::resgen {

constexpr int kButtonWidth = 24;
constexpr int kButtonHeight = 22;
constexpr int kButtonColumns = 10;
constexpr int kButtonRows = 6;
// Faces are read from (column * width + 1, row * height + 1); the last column's and row's faces
// lose the outer pixel of their black edge to the sheet's edge; the painter never shows it.
constexpr int kButtonSheetWidth = kButtonColumns * kButtonWidth; // 240
constexpr int kButtonSheetHeight = kButtonRows * kButtonHeight;  // 132

// The buttons are made with a one-pixel window border, so the painter shows the top-left
// (width - 2) x (height - 2) of each face; the face's last two columns and rows are black and
// only seen when a face is copied whole.
constexpr int kVisibleFaceWidth = kButtonWidth - 2;   // 22
constexpr int kVisibleFaceHeight = kButtonHeight - 2; // 20

enum class ButtonColumn {
    Play,
    Pause,
    Stop,
    Unused,
    ToStart,
    PageBack,
    PageForward,
    ToEnd,
    FullScreen,
    Close,
};

enum class ButtonRow {
    Idle, // greyed glyph: the stop button while nothing plays
    Normal,
    Pressed, // sunken, glyph one pixel right and down
    Focused, // normal with a dotted focus ring
    Spare1,  // not read by the painter: plain faces
    Spare2,
};

// The face's top-left pixel in the sheet.
constexpr int ButtonFaceX(int column) {
    return column * kButtonWidth + 1;
}
constexpr int ButtonFaceY(int row) {
    return row * kButtonHeight + 1;
}

image::Canvas ButtonSheet();

} // namespace qerno::resgen
