#include "QernoFrame.h"

// Hosts pass their own records: four 16-bit components without padding.
static_assert(sizeof(tagLumoFileVer) == 8);

namespace {

constexpr unsigned short kNoSuchComponent = 0xFFFF;

// Indices 4 and 5 are the product's version 2.1, the number that also names its registry key.
constexpr unsigned short kLibraryVersion[] = {2, 0x20, 0x24, 0x25, 2, 1};
constexpr unsigned int kFileVersionComponents = 4;

tagLumoFileVer currentFileVersion{};

} // namespace

unsigned short QERNO_CALL GetLumoVer(unsigned int index) {
    if (index >= sizeof kLibraryVersion / sizeof kLibraryVersion[0])
        return kNoSuchComponent;
    return kLibraryVersion[index];
}

void QERNO_CALL SaveCurLumoFileVer(const tagLumoFileVer* version) {
    if (version)
        currentFileVersion = *version;
}

unsigned short QERNO_CALL GetCurLumoFileVer(unsigned int index) {
    if (index >= kFileVersionComponents)
        return kNoSuchComponent;
    return currentFileVersion.component[index];
}
