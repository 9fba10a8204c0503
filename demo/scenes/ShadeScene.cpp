#include "Scene.h"

namespace {

void Paint(HDC, const RECT&) {}

} // namespace

extern const Scene kShadeScene = {"14-shades", "Shade patterns", Paint};
