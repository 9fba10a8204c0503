// One page of the showcase: a title and a painter of the client area.
#pragma once

#include <windows.h>

struct Scene {
    const char* name; // also the screenshot's file name
    const char* title;
    void (*paint)(HDC dc, const RECT& client);
};

// Every capability of the library has its scene here, in the order the tour shows them.
extern const Scene kFoundationScene;
extern const Scene kCurveScene;
extern const Scene kPolygonScene;
extern const Scene kSelectionScene;
extern const Scene kVocabularyScene;
extern const Scene kRotationScene;
extern const Scene kMediaPickerScene;
extern const Scene kFileScene;
extern const Scene kDibScene;
extern const Scene kFountainScene;
extern const Scene kShadeScene;
extern const Scene kCmykScene;
extern const Scene kFancyScene;
extern const Scene kBorderScene;
extern const Scene kPlugInScene;
