#include "QernoConfig.h"
#include "QernoFrame.h"

#include <cstring>

namespace {

// Room CatIDStringB may fill after the cut name: the longest extension string kept.
constexpr int kExtensionRoom = 80;

} // namespace

// The last dot of the whole name is taken, even one in a directory: callers pass names
// that carry an extension.
int QERNO_CALL ChangeFileExtName(char* name, UINT extensionId) {
    if (!name)
        return 0;
    if (char* dot = std::strrchr(name, '.'))
        *dot = '\0';
    return CatIDStringB(name, extensionId, kExtensionRoom);
}

int QERNO_CALL ChangeFileExtName(char* dest, const char* source, UINT extensionId) {
    if (!dest || !source)
        return 0;
    if (dest != source)
        std::strcpy(dest, source);
    return ChangeFileExtName(dest, extensionId);
}
