// The two shimmer tiles, owned by the library from start-up to unload.
#pragma once

#include <windows.h>

void LoadShimmerBitmaps(HINSTANCE resourceModule);
void ReleaseShimmerBitmaps();
