// The text the system log writes, built apart from the file and the window it goes to.
#pragma once

#include "QernoTypes.h"

#include <ctime>

// A record line: at most kLogRecordMaxText characters, then CR LF and the terminator.
constexpr unsigned int kLogRecordSize = 2048;
constexpr unsigned int kLogRecordMaxText = kLogRecordSize - 3;

// Room for the texts of a level (15 characters) and a category (31 characters) with terminator.
constexpr unsigned int kLogLevelTextSize = 16;
constexpr unsigned int kLogCateTextSize = 32;

// The marker line: 46 characters of text, a 24-character date, CR LF and the terminator.
constexpr unsigned int kLogMarkerSize = 73;

// The resource string that names a level or a category; 0 for a value without a name.
unsigned int LogLevelStringId(unsigned int level);
unsigned int LogCateStringId(unsigned int cate);

// The text of a value without a name: eight upper-case hexadecimal digits, cut to size - 1.
void FormatLogValueHex(unsigned int value, char* text, unsigned int size);

// Builds "level -- category -- message" cut at kLogRecordMaxText characters, every line feed
// turned into a blank, then CR LF. Returns the length written, line end included.
unsigned int BuildLogRecord(const char* levelText, const char* cateText, const char* message,
                            char (&record)[kLogRecordSize]);

// Builds the line that opens a log file restarted at its size limit, dated now (local time).
// Returns the length written, line end included.
unsigned int BuildLogSizeMarker(const std::tm& now, char (&line)[kLogMarkerSize]);

// Sets the bits of option selected by mask from value and keeps the others; returns the
// previous word.
DWORD SetOptionBits(DWORD& option, DWORD value, DWORD mask);
