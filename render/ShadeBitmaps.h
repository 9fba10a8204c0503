// The shade brushes' pattern bitmaps, kept by the library from a brush's making to unload.
#pragma once

void ReleaseShadePatterns();
