// The showcase host's main window: it paints the current scene.
#pragma once

#include "Scene.h"

HWND CreateDemoWindow(HINSTANCE instance);
void ShowScene(HWND window, const Scene& scene);
