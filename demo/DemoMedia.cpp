#include "DemoMedia.h"

#include <windows.h>

std::string DemoMediaPath(const char* file) {
    char path[MAX_PATH] = ""; // the demo's own file name
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "media\\" + file;
}
