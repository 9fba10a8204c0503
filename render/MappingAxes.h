// Which way a DC's mapping runs its logical axes on the screen, and whether it maps at all.
#pragma once

#include "render/BorderGeometry.h"

#include <windows.h>

// From the signs of the window and viewport extents; a world transform is not looked at.
ScreenAxes ScreenAxesOf(HDC dc);

// The DC in device pixels from origin 0 while the object lives: one that maps is saved, set so by
// SetViewDC and restored after; one already in pixels, as a new DC is, is left as it is.
class PixelView {
public:
    explicit PixelView(HDC dc);
    ~PixelView();
    PixelView(const PixelView&) = delete;
    PixelView& operator=(const PixelView&) = delete;

private:
    HDC dc_;
    int saved_ = 0; // 0 when the DC was left as it is
};
