#include "Scene.h"

namespace {

void Paint(HDC, const RECT&) {}

} // namespace

extern const Scene kDibScene = {"12-dibs", "DIBs and palettes", Paint};
