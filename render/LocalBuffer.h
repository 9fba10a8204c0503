// A zeroed local-memory work buffer held for one drawing call and freed with the object.
#pragma once

#include "QernoRender.h"

class LocalBuffer {
public:
    // bits() stays null when size bytes cannot be had.
    explicit LocalBuffer(int size) { AllocLockLcBuffer(&handle_, &bits_, size); }
    ~LocalBuffer() { FreeUnlockLcBuffer(&handle_, &bits_); }
    LocalBuffer(const LocalBuffer&) = delete;
    LocalBuffer& operator=(const LocalBuffer&) = delete;

    char* bits() const { return bits_; }

private:
    void* handle_ = nullptr;
    char* bits_ = nullptr;
};
