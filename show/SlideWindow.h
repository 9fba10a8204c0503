// The player's main window: it shows one slide and closes on Escape.
#pragma once

#include "show/ShowDocument.h"
#include "show/ShowMedia.h"

#include <windows.h>

struct SlideView {
    const ShowDocument* document = nullptr;
    ShowMedia* media = nullptr; // set once the library has started
    int slide = 0;              // the index of the slide shown
    SIZE size = {};             // of the client area
};

// A hidden window of the view's size; the view must outlive it.
HWND CreateSlideWindow(HINSTANCE instance, SlideView& view);
