#pragma once

#include <windows.h>

#include <string>

// Plays a test video inside the host window beside its current frame taken as a bitmap, and a
// test wave with its position and length, and saves the picture into outDirectory.
bool TourMedia(HWND host, const std::string& outDirectory);
