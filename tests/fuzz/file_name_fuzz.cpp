// Arbitrary paths split: the sanitizer reports any write past a part, every part must end
// inside its buffer, and a path no part of which was cut must come back whole.
#include "FuzzInput.h"
#include "config/FileNames.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(input), size);
    PathParts parts;
    SplitPathName(path.c_str(), parts);
    FUZZ_CHECK(std::memchr(parts.drive, '\0', sizeof parts.drive) &&
               std::memchr(parts.dir, '\0', sizeof parts.dir) &&
               std::memchr(parts.name, '\0', sizeof parts.name) &&
               std::memchr(parts.ext, '\0', sizeof parts.ext));
    const std::string joined = std::string(parts.drive) + parts.dir + parts.name + parts.ext;
    const std::string given = path.c_str();
    FUZZ_CHECK(given.size() >= kExtSize - 1 || joined == given);

    char root[kDiskPathSize];
    DiskRootOfPath(path.c_str(), root);
    FUZZ_CHECK(std::memchr(root, '\0', sizeof root));
    return 0;
}
