// Key texts of any bytes: the sanitizer reports any read past the text, a key must keep bits
// 10..15 clear, and whatever reads as a key must have a name that fits its buffer.
#include "FuzzInput.h"
#include "QernoVocab.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::unique_ptr<char[]> text = HeapCopy(input, size, true);
    const WORD key = GetEVKeyFromKeyStr(text.get());
    FUZZ_CHECK(!(key & 0xFC00));
    if (key) {
        std::unique_ptr<char[]> name(new char[kEVKeyNameSize]);
        GetEVKeyName(key, name.get());
        FUZZ_CHECK(name[0] != '\0');
    }
    RemoveWhiteSpace(text.get());
    FUZZ_CHECK(!std::strchr(text.get(), ' '));
    return 0;
}
