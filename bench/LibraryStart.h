// The comparison programs start the library as a host does, with its log in the temporary folder
// so that a run leaves its own folder alone.
#pragma once

#include "Qerno.h"

#include <cstdio>
#include <string>

// The path of name in the temporary folder.
inline std::string TempPath(const char* name) {
    char folder[MAX_PATH + 1]; // the temporary directory and its terminator
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

// Starts the library on its resource module and sends its log to TempPath(logName): the log's
// path, or "" after saying so when the library did not start.
inline std::string StartLibrary(const char* program, const char* logName) {
    if (!InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll")) || !GetSysLog()) {
        std::fprintf(stderr, "%s: the library did not start\n", program);
        return {};
    }
    const std::string log = TempPath(logName);
    GetSysLog()->m_strLogFile = log.c_str();
    return log;
}
