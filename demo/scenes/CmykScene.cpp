#include "Scene.h"

namespace {

void Paint(HDC, const RECT&) {}

} // namespace

extern const Scene kCmykScene = {"15-cmyk", "CMYK ink colours", Paint};
