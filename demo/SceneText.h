// Text on a scene: a plain line, and a heading in navy that leaves the text colour black.
#pragma once

#include <windows.h>

#include <string>

void DrawSceneText(HDC dc, int x, int y, const std::string& text);
void DrawSceneHeading(HDC dc, int x, int y, const std::string& text);
