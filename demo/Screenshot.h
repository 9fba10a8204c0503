#pragma once

#include <windows.h>

#include <string>

// Saves what the window shows as a PNG file; false when it could not be captured or written.
bool SaveWindowScreenshot(HWND window, const std::string& path);
