// The fancy table as the drawing calls hold it: locked for one call, unlocked between calls.
#pragma once

#include "QernoTypes.h"

#include <cstddef>

bool FancyTableLoaded();
// The table's bytes, or null when it is not loaded or will not lock.
char* LockFancyTable();
void UnlockFancyTable();
// The bytes behind table: the library's own table is as long as its block, a caller's table
// carries no size.
std::size_t FancyTableSize(const char* table);

// Copies the part's tile out of table (the library's own when null) into tile and turns it, in
// a work buffer of its own when scratch is null; false, with tile untouched, when there is no
// tile buffer or no such record.
bool ReadFancyTile(int style, int part, char* tile, char* scratch, char* table);
