#include "SamplePlugIns.h"

#include <windows.h>

#include <algorithm>

namespace {

// Loaded as data: reading the strings runs none of the plug-in's code.
bool ReadStrings(const std::string& path, SamplePlugIn& plugIn) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return false;
    char displayName[128] = {}; // the scan's 127 characters
    char version[11] = {};      // and 10
    const bool found = LoadStringA(module, 1, displayName, sizeof displayName) > 0 &&
                       LoadStringA(module, 2, version, sizeof version) > 0;
    FreeLibrary(module);
    plugIn.displayName = displayName;
    plugIn.version = version;
    return found;
}

} // namespace

std::vector<SamplePlugIn> ListSamplePlugIns(const std::string& folder) {
    std::vector<SamplePlugIn> plugIns;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return plugIns;
    do {
        SamplePlugIn plugIn = {found.cFileName, "", ""};
        if (ReadStrings(folder + "\\" + found.cFileName, plugIn))
            plugIns.push_back(plugIn);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(plugIns.begin(), plugIns.end(),
              [](const SamplePlugIn& a, const SamplePlugIn& b) { return a.file < b.file; });
    return plugIns;
}
