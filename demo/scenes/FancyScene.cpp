#include "Scene.h"

namespace {

void Paint(HDC, const RECT&) {}

} // namespace

extern const Scene kFancyScene = {"17-fancy", "Fancy characters", Paint};
