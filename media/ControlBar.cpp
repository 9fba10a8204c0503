// The control bar's windows and drawing.
#include "media/ControlBar.h"

bool RegisterThumbClass(HINSTANCE) {
    return true;
}
void CreateBarDrawingObjects() {}
void MeasureBarBitmaps() {}
void DeleteBarDrawingObjects() {}
void BuildControlBar(HWND, bool) {}
void PaintControlBar(HWND, HDC, unsigned long, bool) {}
void DrawPositionText(HWND, unsigned long, unsigned long, bool) {}
void DrawBarButton(HWND, const DRAWITEMSTRUCT&, bool) {}
void RedrawBarButton(HWND, int, bool, bool) {}
void EnableBarButton(HWND, int, bool) {}
void SetThumb(HWND, unsigned long, unsigned long) {}
unsigned long ThumbValue(HWND, unsigned long, int) {
    return 0;
}
int TrackHit(HWND, LPARAM) {
    return -1;
}
