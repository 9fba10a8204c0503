// The files a test of QernoShow.exe writes for it; the player is beside the tests.
#pragma once

#include "support/MediaFiles.h"
#include "support/TestFiles.h"

#include <windows.h>

#include <fstream>
#include <string>

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder of this process in the temporary folder.
inline std::string MakeTestFolder(const char* prefix) {
    const std::string folder = TempFilePath(prefix + std::to_string(GetCurrentProcessId()));
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

inline void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        else if (found.cFileName[0] != '.')
            RemoveTree(folder + "\\" + found.cFileName);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    RemoveDirectoryA(folder.c_str());
}
