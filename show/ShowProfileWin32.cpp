// Reads a show document through the platform's profile functions, so that the player sees the
// file exactly as any other profile reader does.
#include "show/ShowProfile.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

constexpr DWORD kFirstBufferSize = 4096;
// A document needing more than this is refused rather than read in part.
constexpr DWORD kBufferSizeCap = 16 * 1024 * 1024;

// The NUL-separated strings read gives, through buffers that grow while read reports one
// filled: the profile functions then return its size less 2. False past the cap.
template <class Read> bool ReadStrings(Read read, std::vector<std::string>& strings) {
    for (DWORD size = kFirstBufferSize; size <= kBufferSizeCap; size *= 2) {
        std::vector<char> buffer(size);
        const DWORD length = read(buffer.data(), size);
        if (length >= size - 2)
            continue;
        for (const char* at = buffer.data(); at < buffer.data() + length && *at != '\0';
             at += std::strlen(at) + 1)
            strings.emplace_back(at);
        return true;
    }
    return false;
}

bool CanRead(const char* path) {
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

} // namespace

bool ReadProfileFile(const char* path, ShowProfile& profile) {
    // The profile functions look for a name without a folder in the Windows folder.
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH || !CanRead(full))
        return false;
    std::vector<std::string> names;
    if (!ReadStrings([&](char* buffer,
                         DWORD size) { return GetPrivateProfileSectionNamesA(buffer, size, full); },
                     names))
        return false;
    for (const std::string& name : names) {
        // The platform reads only the first of sections of the same name.
        ProfileSection* section = profile.AddSection(name);
        if (!section)
            continue;
        std::vector<std::string> lines;
        if (!ReadStrings(
                [&](char* buffer, DWORD size) {
                    return GetPrivateProfileSectionA(name.c_str(), buffer, size, full);
                },
                lines))
            return false;
        for (const std::string& line : lines)
            section->AddLine(line);
    }
    return true;
}
