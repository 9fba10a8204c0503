// The single path to the resource module: strings and raw data by id.
#include "QernoFrame.h"

#include <cstring>

namespace {
HINSTANCE resourceModule = nullptr;
}

HINSTANCE QERNO_CALL GetRCDllInstance() {
    return resourceModule;
}

void QERNO_CALL SetRCDllInstance(HINSTANCE hResource) {
    resourceModule = hResource;
}

// Without a resource module the system loaders would search the host's own file instead.
const char* QERNO_CALL LoadResourceData(unsigned int id, unsigned long& size) {
    size = 0;
    if (!resourceModule)
        return nullptr;
    HRSRC found = FindResourceA(resourceModule, MAKEINTRESOURCEA(LOWORD(id)), RT_RCDATA);
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(resourceModule, found);
    if (!loaded)
        return nullptr;
    size = SizeofResource(resourceModule, found);
    return static_cast<const char*>(LockResource(loaded));
}

int QERNO_CALL GetIDStringB(unsigned int id, char* buffer, int size) {
    if (!resourceModule || !buffer || size < 1)
        return 0;
    return LoadStringA(resourceModule, id, buffer, size) > 0 ? 1 : 0;
}

// size is the room left at the terminator, not the buffer's total size.
int QERNO_CALL CatIDStringB(char* buffer, unsigned int id, int size) {
    if (!buffer)
        return 0;
    return GetIDStringB(id, buffer + std::strlen(buffer), size);
}
