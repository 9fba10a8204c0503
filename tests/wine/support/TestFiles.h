// Files and texts the Wine tests compare against: a path in the temporary folder, a file's bytes,
// a string of the resource module the library uses, a log record.
#pragma once

#include "QernoFrame.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

inline std::string TempFilePath(const std::string& name) {
    char folder[MAX_PATH + 1]; // the temporary directory and its terminator
    GetTempPathA(sizeof folder, folder);
    return folder + name;
}

// Empty when the file is missing.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// How many times what occurs in text, overlapping occurrences too.
inline int CountOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

inline std::string ResourceString(unsigned int id) {
    char text[512] = ""; // longer than any string of the resource module
    GetIDStringB(id, text, sizeof text);
    return text;
}

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
