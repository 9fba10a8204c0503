// The whole exported interface of Qerno.dll.
// A rectangle is a RECT of left, top, right and bottom, except in these calls, which take an
// origin and a size instead. As four numbers: DibBlt (x0, y0, dx, dy), DrawCharBitmap,
// _DrawBitmap (both of its rectangles) and CWnd::CreateEx; PatBltVertical and PatBltHorizon take
// an origin and one length, _PatHandle a centre and half its width and height. In a RECT whose
// right and bottom hold the width and height, as MCI's rectangles do: SetMovieWndPos and
// SetVideoWndPos, GetMovieFrame and GetVideoFrame (what they write), UpdateMovie, PaintMovie,
// UpdateVideo and PaintVideo, and PaintBitmap. SetMovieArea and SetVideoArea take a plain RECT.
#pragma once

#include "QernoAfx.h"
#include "QernoFrame.h"
#include "QernoLog.h"
#include "QernoConfig.h"
#include "QernoMedia.h"
#include "QernoRender.h"
#include "QernoGeometry.h"
#include "QernoVocab.h"
