// Arbitrary paths split: the sanitizer reports any write past a part, every part must end
// inside its buffer, and a path no part of which was cut must come back whole.
#include "config/FileNames.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(input), size);
    PathParts parts;
    SplitPathName(path.c_str(), parts);
    if (!std::memchr(parts.drive, '\0', sizeof parts.drive) ||
        !std::memchr(parts.dir, '\0', sizeof parts.dir) ||
        !std::memchr(parts.name, '\0', sizeof parts.name) ||
        !std::memchr(parts.ext, '\0', sizeof parts.ext))
        __builtin_trap();

    const std::string joined = std::string(parts.drive) + parts.dir + parts.name + parts.ext;
    const std::string given = path.c_str();
    if (given.size() < kExtSize - 1 && joined != given)
        __builtin_trap();

    char root[kDiskPathSize];
    DiskRootOfPath(path.c_str(), root);
    if (!std::memchr(root, '\0', sizeof root))
        __builtin_trap();
    return 0;
}
