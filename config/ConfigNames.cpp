#include "config/ConfigNames.h"

#include <cstring>

bool ReplaceNameSuffix(const char* name, const char* suffix, char* out, std::size_t outSize) {
    if (!out || outSize == 0)
        return false;
    out[0] = '\0';
    if (!name || !suffix)
        return false;
    const char* dot = std::strrchr(name, '.');
    const std::size_t kept = dot ? static_cast<std::size_t>(dot - name) : std::strlen(name);
    const std::size_t added = dot ? std::strlen(suffix) : 0;
    if (kept + added >= outSize)
        return false;
    std::memcpy(out, name, kept);
    std::memcpy(out + kept, suffix, added);
    out[kept + added] = '\0';
    return true;
}
