#include "SceneText.h"

void DrawSceneText(HDC dc, int x, int y, const std::string& text) {
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void DrawSceneHeading(HDC dc, int x, int y, const std::string& text) {
    SetTextColor(dc, RGB(0, 0, 128));
    DrawSceneText(dc, x, y, text);
    SetTextColor(dc, RGB(0, 0, 0));
}
