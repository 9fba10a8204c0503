// Paints a slide of a show through the library's drawing functions.
#pragma once

#include "show/ShowDocument.h"
#include "show/ShowMedia.h"

#include <windows.h>

// The slide fills size pixels of dc, its page mapped onto them; the DC is left as it was found.
// Pictures that cannot be drawn are reported through media and left out.
void PaintSlide(HDC dc, SIZE size, const ShowDocument& document, const ShowSlide& slide,
                ShowMedia& media);
