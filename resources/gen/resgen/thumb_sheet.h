// Bitmap 6426: the control bar's track thumb in four looks side by side.
#pragma once

#include "canvas.h"

namespace qerno::resgen {

constexpr int kThumbWidth = 12;
constexpr int kThumbHeight = 20;
constexpr int kThumbColumns = 4;
constexpr int kThumbSheetWidth = kThumbColumns * kThumbWidth; // 48

// The painter masks all looks by column 0's yellow, so every look has the same outline.
constexpr image::Rgb kThumbTransparent = {0xFF, 0xFF, 0x00};

enum class ThumbLook { Pressed, Normal, Hot, Disabled };

// A pointer-shaped knob pointing down at the scale, its point on pixel column
// kThumbWidth / 2 where the painter puts the track position.
bool InThumbOutline(int x, int y);

image::Canvas ThumbSheet();

} // namespace qerno::resgen
