#include "show/ShowMedia.h"

#include "Qerno.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr char kMediaKey[] = "Media";
constexpr char kPathSection[] = "PATHINFO";

std::vector<char> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

std::string FullPathOf(const std::string& file) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(file.c_str(), MAX_PATH, full, nullptr);
    return length && length < MAX_PATH ? full : file;
}

std::string FolderOf(const std::string& file) {
    char folder[MAX_PATH] = "";
    GetFileDirName(FullPathOf(file).c_str(), folder);
    return folder;
}

ShowMedia::ShowMedia(HWND owner, const std::string& showFile, Reporting reporting)
    : owner_(owner), reporting_(reporting), folder_(FolderOf(showFile)) {
    char config[MAX_PATH] = "";
    if (!GetCfgFileName(owner, showFile.c_str(), config, 1))
        return;
    // GetCfgPath prompts for a folder that is not there, which an export must not wait for.
    char named[MAX_PATH] = "";
    GetPrivateProfileStringA(kPathSection, kMediaKey, "", named, sizeof named, config);
    if (!named[0])
        return;
    if (reporting_ == Reporting::Unattended && !CheckPathExist(named)) {
        Report(std::string(config) + ": the Media folder does not exist: " + named);
        return;
    }
    char path[MAX_PATH] = "";
    if (GetCfgPath(owner, config, kMediaKey, path))
        folder_ = path;
}

std::string ShowMedia::Resolve(const std::string& file) const {
    const bool absolute = file.size() > 1 && (file[1] == ':' || file[0] == '\\');
    if (absolute)
        return file;
    char full[MAX_PATH] = "";
    GetFullFileName(folder_.c_str(), file.c_str(), full);
    return full;
}

HGLOBAL ShowMedia::LoadPicture(const std::string& file) {
    const std::string path = Resolve(file);
    const std::vector<char> bytes = ReadWholeFile(path);
    if (bytes.empty()) {
        Report("The picture " + path + " cannot be read");
        return nullptr;
    }
    // The file header goes; the library checks that the packed DIB after it holds together.
    const bool bitmapFile =
        bytes.size() > sizeof(BITMAPFILEHEADER) && bytes[0] == 'B' && bytes[1] == 'M';
    HGLOBAL dib =
        bitmapFile ? GlobalAlloc(GMEM_MOVEABLE, bytes.size() - sizeof(BITMAPFILEHEADER)) : nullptr;
    if (!dib) {
        Report("The picture " + path + " is no BMP file");
        return nullptr;
    }
    std::memcpy(GlobalLock(dib), bytes.data() + sizeof(BITMAPFILEHEADER),
                bytes.size() - sizeof(BITMAPFILEHEADER));
    GlobalUnlock(dib);
    return dib;
}

void ShowMedia::Report(const std::string& text) {
    if (!reported_.insert(text).second)
        return;
    if (reporting_ == Reporting::Prompt) {
        // The prompt logs its text as well.
        PromptErrorFmt(owner_, const_cast<char*>("%s"), text.c_str());
        return;
    }
    if (CSysLog* log = GetSysLog())
        log->SysLogError(kShowLogCategory, "%s", text.c_str());
    std::fprintf(stderr, "QernoShow: %s\n", text.c_str());
}
