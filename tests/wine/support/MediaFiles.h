// The project's test sounds and videos, which the build writes into a media folder beside the
// test executables.
#pragma once

#include <windows.h>

#include <string>

// The running executable's folder, with its trailing separator: the build puts the DLLs the
// tests load beside it, whatever the current directory.
inline std::string ExecutableFolder() {
    char module[MAX_PATH + 1]; // the running executable's path and its terminator
    const std::string path(module, GetModuleFileNameA(nullptr, module, sizeof module));
    return path.substr(0, path.find_last_of("\\/") + 1);
}

inline std::string MediaPath(const char* file) {
    return ExecutableFolder() + "media\\" + file;
}
