// The pictures of the API reference: each painted by the library onto a white canvas.
#pragma once

#include <windows.h>

struct Picture {
    const char* file; // the PNG's name, which the reference's pages use
    int width;
    int height;
    bool (*paint)(HDC dc); // false when it could not draw what the picture claims
};

extern const Picture kFancyStylesPicture;
extern const Picture kShadePatternsPicture;
extern const Picture kPlugInShapesPicture;
extern const Picture kFountainMidpointsPicture;
extern const Picture kTileFormatPicture;

// A line of text with its top-left corner at (x, y), in the DC's text colour.
void DrawLabel(HDC dc, int x, int y, const char* text);
