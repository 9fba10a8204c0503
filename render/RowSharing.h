// Row-wise work that a pool thread may share with the caller. A full-screen fill is bound by
// one core's stores into memory; a second core halves it.
#pragma once

#include <windows.h>

// Work on rows [first, end); it must be safe to run on two threads at once for rows apart.
using RowsTask = void (*)(void* context, LONG first, LONG end);

// Runs task over rows [first, end) in consecutive chunks and returns when every chunk is done.
// Rows of pixelsPerRow pixels each: only work large enough to repay a pool thread's waking is
// shared, and a pool thread that wakes late finds the caller has done the rows without it.
void ShareRows(LONG first, LONG end, LONG pixelsPerRow, RowsTask task, void* context);
