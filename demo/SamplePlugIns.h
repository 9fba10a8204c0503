// The gradient-fill plug-ins of a folder, as a plug-in scan would list them.
#pragma once

#include <string>
#include <vector>

struct SamplePlugIn {
    std::string file; // the name within the folder
    std::string displayName;
    std::string version;
};

// Every DLL of folder whose string table holds a display name (id 1) and a version (id 2), in
// the order of their file names.
std::vector<SamplePlugIn> ListSamplePlugIns(const std::string& folder);
