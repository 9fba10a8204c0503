#include "Scene.h"

namespace {

void Paint(HDC, const RECT&) {}

} // namespace

extern const Scene kFountainScene = {"13-fountains", "Fountain fills", Paint};
