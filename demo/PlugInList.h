// The plug-in manager's entries as a table on a scene.
#pragma once

#include "Qerno.h"

// Key, display name and file name of every entry, a heading row first, from (x, y) down; the
// y below the last row. A missing manager is said in one line.
int PaintPlugInList(HDC dc, int x, int y, CPlugInManager* manager);
