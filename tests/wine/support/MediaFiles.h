// The project's test sounds and videos, which the build writes into a media folder beside the
// test executables.
#pragma once

#include <windows.h>

#include <string>

inline std::string MediaPath(const char* file) {
    char module[MAX_PATH + 1]; // the running executable's path and its terminator
    const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    std::string path(module, length);
    path.erase(path.find_last_of("\\/") + 1);
    return path + "media\\" + file;
}
