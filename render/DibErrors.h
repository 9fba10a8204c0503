// The DIB toolkit's own error box.
#pragma once

// Raised by the toolkit itself.
constexpr int kDibPaletteError = 5;
constexpr int kDibBitmapError = 8;

// A stop box over the focus window with the code's text and the system's default caption.
void ShowDibError(int code);
