// The library's own side of the plug-in manager: the registry load both constructors run, and
// the one manager that lives from start-up to unload.
#pragma once

#include "QernoRender.h"

// Fills an empty manager from the registry's "Shade" list; the number of entries.
int LoadPlugIns(CPlugInManager& manager);

// The combo box id of parent, or null.
HWND PlugInComboBox(CWnd* parent, unsigned int id);

// Replaces the library's manager with a new one loaded from the registry; the number of its
// entries, 0 when memory runs out (there is then no manager).
int InitPlugInManager();
void DeletePlugInManager();
