#pragma once

#include <windows.h>

#include <string>

// Shows the library's message box once with each button set, each with an icon, and saves a
// picture of every box, frame and caption included, as 02-message-box-<set>.png in
// outDirectory. The tour closes each box itself.
void TourMessageBoxes(HWND owner, const std::string& outDirectory);
