#include "Scene.h"

namespace {

void Paint(HDC, const RECT&) {}

} // namespace

extern const Scene kBorderScene = {"18-borders", "Fancy borders and arrow lines", Paint};
