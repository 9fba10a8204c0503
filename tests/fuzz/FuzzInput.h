// What every fuzz target needs: the input copied to a heap block of exactly its size, so that the
// sanitizer reports any read past it, and a check that crashes, for libFuzzer to keep the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

// With terminated, one NUL follows the bytes, which C text functions need.
inline std::unique_ptr<char[]> HeapCopy(const std::uint8_t* bytes, std::size_t size,
                                        bool terminated) {
    std::unique_ptr<char[]> copy(new char[size + terminated]()); // zeroed: the NUL is there
    std::memcpy(copy.get(), bytes, size);
    return copy;
}

#define FUZZ_CHECK(rule) ((rule) ? void() : __builtin_trap())
