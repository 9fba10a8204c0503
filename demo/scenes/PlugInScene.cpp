#include "Scene.h"

namespace {

void Paint(HDC, const RECT&) {}

} // namespace

extern const Scene kPlugInScene = {"19-plugins", "Gradient-fill plug-ins", Paint};
