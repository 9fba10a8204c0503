// The tables the library reads once from the resource module and keeps until unload.
#pragma once

#include "QernoConfig.h"

enum class TableLoad { Loaded, MissingResource, OutOfMemory };

// Copies data resource id whole into a new movable block, left unlocked; a block the
// holder had before is freed first.
TableLoad CopyResourceTable(unsigned int id, CGlobalBlock& table);

CGlobalBlock& CorrectionTable();
CGlobalBlock& ShadeTable();
CGlobalBlock& FancyTable();

int ReadCorrectTable(HWND owner);
int ReadShadeTable(HWND owner);
int ReadFancyTable(HWND owner);
