// Key texts of any bytes: the sanitizer reports any read past the text, a key must keep bits
// 10..15 clear, and whatever reads as a key must have a name that fits its buffer.
#include "QernoVocab.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    std::unique_ptr<char[]> text(new char[size + 1]);
    std::memcpy(text.get(), input, size);
    text[size] = '\0';

    const WORD key = GetEVKeyFromKeyStr(text.get());
    if (key & 0xFC00)
        __builtin_trap();
    if (key) {
        std::unique_ptr<char[]> name(new char[kEVKeyNameSize]);
        GetEVKeyName(key, name.get());
        if (name[0] == '\0')
            __builtin_trap();
    }

    RemoveWhiteSpace(text.get());
    if (std::memchr(text.get(), ' ', std::strlen(text.get())))
        __builtin_trap();
    return 0;
}
