// Appends a record to the log file: one open, write and close per record, so that the file is
// never held open between records.
#pragma once

#include <windows.h>

// A file longer than sizeLimit starts anew with a dated marker line before the record. A file
// that cannot be opened loses the record; only the debugger hears of it.
void AppendLogRecord(const char* path, DWORD sizeLimit, const char* record, DWORD length);
