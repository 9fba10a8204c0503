#pragma once

#include <windows.h>

#include <string>

enum class Capture { ClientArea, WholeWindow };

// Saves part of what dc holds, each pixel zoom x zoom, as a PNG file; false when it could not be
// captured or written.
bool SavePicture(HDC dc, const RECT& part, int zoom, const std::string& path);

// Saves what the window shows as a PNG file; false when it could not be captured or written.
// A message box is only recognisable with its frame and caption: capture the whole window.
bool SaveWindowScreenshot(HWND window, const std::string& path, Capture area = Capture::ClientArea);

// Saves part of the window's client area enlarged zoom times, pixel for pixel, so that the looks
// of small controls can be told apart.
bool SaveCloseUp(HWND window, const RECT& part, int zoom, const std::string& path);
