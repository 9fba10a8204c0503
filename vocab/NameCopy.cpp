#include "vocab/NameCopy.h"

#include <algorithm>
#include <cstring>

int CopyNameCut(const char* name, char* buffer, int size) {
    const int length = static_cast<int>(std::strlen(name));
    if (buffer && size > 0) {
        const int copied = std::min(length, size - 1);
        std::memcpy(buffer, name, static_cast<std::size_t>(copied));
        buffer[copied] = '\0';
    }
    return length;
}
