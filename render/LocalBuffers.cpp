#include "QernoRender.h"

int QERNO_CALL AllocLockLcBuffer(void** handle, char** pointer, int size) {
    if (handle)
        *handle = nullptr;
    if (pointer)
        *pointer = nullptr;
    if (!handle || !pointer || size < 0)
        return 0;
    HLOCAL block = LocalAlloc(LMEM_ZEROINIT, static_cast<SIZE_T>(size));
    if (!block)
        return 0;
    void* bits = LocalLock(block);
    if (!bits) {
        LocalFree(block);
        return 0;
    }
    *handle = block;
    *pointer = static_cast<char*>(bits);
    return 1;
}

void QERNO_CALL FreeUnlockLcBuffer(void** handle, char** pointer) {
    if (pointer && *pointer) {
        if (handle && *handle)
            LocalUnlock(*handle);
        *pointer = nullptr;
    }
    if (handle && *handle) {
        LocalFree(*handle);
        *handle = nullptr;
    }
}
