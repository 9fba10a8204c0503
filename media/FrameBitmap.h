// The current picture of a movie or video as a bitmap: both families take the same steps with
// their own frame query and update.
#pragma once

#include "QernoTypes.h"

// rect receives MCI's left, top, width and height; destination 0 asks for the source.
using FrameQuery = int(QERNO_CALL*)(unsigned short id, RECT* rect, int destination);
using FrameUpdate = int(QERNO_CALL*)(unsigned short id, HDC dc, RECT* rect);

// A bitmap compatible with dc holding the whole source picture, owned by the caller; null when
// the device cannot tell its picture or cannot draw it.
HBITMAP FrameAsBitmap(unsigned short id, HDC dc, FrameQuery queryFrame, FrameUpdate update);
