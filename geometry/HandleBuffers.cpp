#include "QernoGeometry.h"

void* QERNO_CALL GetGlobalHandleBuffer(HGLOBAL& handle, DWORD size) {
    handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!handle)
        return nullptr;
    void* buffer = GlobalLock(handle);
    if (!buffer) {
        GlobalFree(handle);
        handle = nullptr;
    }
    return buffer;
}

void* QERNO_CALL GetLocalHandleBuffer(HLOCAL& handle, UINT size) {
    handle = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size);
    if (!handle)
        return nullptr;
    void* buffer = LocalLock(handle);
    if (!buffer) {
        LocalFree(handle);
        handle = nullptr;
    }
    return buffer;
}

POINT* QERNO_CALL GetPointHandleBuffer(HGLOBAL& handle, int count) {
    return static_cast<POINT*>(GetGlobalHandleBuffer(handle, count * sizeof(POINT)));
}

POINT* QERNO_CALL GetPointLcHandleBuffer(HLOCAL& handle, int count) {
    return static_cast<POINT*>(GetLocalHandleBuffer(handle, count * sizeof(POINT)));
}
