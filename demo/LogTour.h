#pragma once

#include <windows.h>

#include <string>

// Where the log file ends now: the demo's records are the ones written after this.
DWORD LogFileEnd();

// Opens the log's window beside the host, fills it with records of every level and category,
// saves its picture and the records the demo wrote since logStart into outDirectory.
bool TourLog(HWND owner, const std::string& outDirectory, DWORD logStart);
