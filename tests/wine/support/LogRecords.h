// The log's records as the tests expect them, named by the resource strings of their level and
// category.
#pragma once

#include "support/TestFiles.h"

#include <algorithm>
#include <string>

// One line whatever the text holds.
inline std::string LogRecord(unsigned int levelId, unsigned int cateId, std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return ResourceString(levelId) + " -- " + ResourceString(cateId) + " -- " + text + "\r\n";
}

// The system's text for code, as the library appends it to its messages.
inline std::string SystemText(DWORD code) {
    char text[1024] = ""; // longer than any system message
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    return text;
}
