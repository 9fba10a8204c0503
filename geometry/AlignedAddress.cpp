#include "QernoGeometry.h"

#include <cstdint>

// Other alignments leave the address as it is.
void* QERNO_CALL GetAlignedAddress(void* address, int alignment) {
    if (alignment != 2 && alignment != 4 && alignment != 8)
        return address;
    const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(address);
    const std::uintptr_t remainder = value % static_cast<std::uintptr_t>(alignment);
    return remainder ? reinterpret_cast<void*>(value + alignment - remainder) : address;
}
