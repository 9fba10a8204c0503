// The player's main window: it plays the show and is destroyed when the show ends. Its title
// reads "TITLE - N/COUNT", N the number of the slide shown, which is how a test follows the show
// from another process.
#pragma once

#include "show/ShowDocument.h"
#include "show/ShowMedia.h"

#include <windows.h>

// A hidden window showing size pixels of slide: a popup covering the screen when fullScreen,
// else a captioned window of that client size. The document must outlive it.
HWND CreateSlideWindow(HINSTANCE instance, const ShowDocument& document, SIZE size,
                       bool fullScreen);

// Shows the window and plays from slide first (indexed from 0) on; media must outlive it.
void PlaySlides(HWND window, ShowMedia& media, int first);
