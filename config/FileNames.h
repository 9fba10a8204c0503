// Path names taken apart and put together without system calls.
#pragma once

#include "QernoTypes.h"

#include <cstddef>

// The run-time library's part sizes, terminators included.
constexpr std::size_t kDriveSize = 3;
constexpr std::size_t kDirSize = 256;
constexpr std::size_t kFileNameSize = 256;
constexpr std::size_t kExtSize = 256;

// The room callers give for a composed path: a full Windows path and its terminator.
constexpr std::size_t kPathSize = 260;

// GetDiskFreeSpace's copy of a path, terminator included.
constexpr std::size_t kDiskPathSize = 128;

struct PathParts {
    char drive[kDriveSize];
    char dir[kDirSize];
    char name[kFileNameSize];
    char ext[kExtSize];
};

// Splits path as the run-time library's _splitpath does: a drive when the second character is
// ':', the directory up to and with the last '\' or '/', the extension from the last '.' after
// that. A part too long for its buffer is cut to fit, as the run-time library cuts it.
void SplitPathName(const char* path, PathParts& parts);

// The part of path handed to GetDiskFreeSpaceA: its first 127 characters, cut two characters
// after the first ':' so that only the root is left.
void DiskRootOfPath(const char* path, char (&root)[kDiskPathSize]);

// Free clusters x sectors per cluster x bytes per sector as a signed 32-bit count. The count
// cannot hold 2 GB or more, so larger amounts are reported as 0x7FFFFFFF: a caller comparing
// against what it needs still sees enough room.
long FreeBytesClamped(DWORD freeClusters, DWORD sectorsPerCluster, DWORD bytesPerSector);
