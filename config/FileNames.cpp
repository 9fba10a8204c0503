#include "config/FileNames.h"

#include "QernoConfig.h"

#include <cstdint>
#include <cstring>

namespace {

// Copies count characters of from, or as many as fit, and terminates them.
void CopyCut(char* to, std::size_t toSize, const char* from, std::size_t count) {
    if (count >= toSize)
        count = toSize - 1;
    std::memcpy(to, from, count);
    to[count] = '\0';
}

// Appends text to out, cut to what a kPathSize buffer holds.
void AppendCut(char* out, const char* text) {
    const std::size_t used = std::strlen(out);
    CopyCut(out + used, kPathSize - used, text, std::strlen(text));
}

} // namespace

void SplitPathName(const char* path, PathParts& parts) {
    if (path[0] && path[1] == ':') {
        CopyCut(parts.drive, sizeof parts.drive, path, 2);
        path += 2;
    } else {
        parts.drive[0] = '\0';
    }

    const char* nameStart = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/')
            nameStart = p + 1;
    }
    CopyCut(parts.dir, sizeof parts.dir, path, nameStart - path);

    const char* end = nameStart + std::strlen(nameStart);
    const char* dot = std::strrchr(nameStart, '.');
    const char* extStart = dot ? dot : end;
    CopyCut(parts.name, sizeof parts.name, nameStart, extStart - nameStart);
    CopyCut(parts.ext, sizeof parts.ext, extStart, end - extStart);
}

void DiskRootOfPath(const char* path, char (&root)[kDiskPathSize]) {
    // The path is read no further than the root's room: the caller need not end it there.
    CopyCut(root, sizeof root, path, strnlen(path, sizeof root - 1));
    const char* colon = std::strchr(root, ':');
    if (colon && static_cast<std::size_t>(colon - root) + 2 < std::strlen(root))
        root[colon - root + 2] = '\0';
}

long FreeBytesClamped(DWORD freeClusters, DWORD sectorsPerCluster, DWORD bytesPerSector) {
    constexpr std::uint64_t kMostFree = 0x7FFFFFFF;
    // Both factors are below 2^32, so this product fits; the cluster count is checked by
    // division so that the full product is never formed.
    const std::uint64_t clusterBytes = std::uint64_t{sectorsPerCluster} * bytesPerSector;
    if (clusterBytes != 0 && freeClusters > kMostFree / clusterBytes)
        return static_cast<long>(kMostFree);
    return static_cast<long>(clusterBytes * freeClusters);
}

// The first character is taken as the drive letter unchecked, as callers pass full paths.
int QERNO_CALL GetDrive(const char* path) {
    const char letter = path[0];
    const char lower = (letter >= 'A' && letter <= 'Z') ? letter - 'A' + 'a' : letter;
    return lower - ('a' - 1);
}

// out holds kPathSize bytes: a name and extension longer than that together are cut.
BOOL QERNO_CALL GetBaseFileName(const char* path, char* out) {
    if (!path || !out)
        return FALSE;
    PathParts parts;
    SplitPathName(path, parts);
    out[0] = '\0';
    AppendCut(out, parts.name);
    AppendCut(out, parts.ext);
    return out[0] != '\0';
}

// A drive and a cut directory together stay below kPathSize, so out needs no more than that.
void QERNO_CALL GetFileDirName(const char* path, char* out) {
    if (!path || !out)
        return;
    PathParts parts;
    SplitPathName(path, parts);
    std::strcpy(out, parts.drive);
    std::strcat(out, parts.dir);
    const std::size_t length = std::strlen(out);
    if (length > 0 && out[length - 1] == '\\')
        out[length - 1] = '\0';
}

// out holds kPathSize bytes: a longer composed path is cut there.
void QERNO_CALL GetFullFileName(const char* dir, const char* name, char* out) {
    if (!dir || !name || !out)
        return;
    out[0] = '\0';
    AppendCut(out, dir);
    const std::size_t length = std::strlen(out);
    if (length > 0 && out[length - 1] != '\\')
        AppendCut(out, "\\");
    AppendCut(out, name);
}
