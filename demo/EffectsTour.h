#pragma once

#include <windows.h>

#include <string>

// Sparkles and shimmers over the host window through one cycle of their time, each frame saved
// into outDirectory as a numbered picture.
bool TourEffects(HWND host, const std::string& outDirectory);
