// Key texts of any bytes: the sanitizer reports any read past the text or write past a name's
// buffer, and a key must keep bits 10..15 clear.
#include "FuzzInput.h"
#include "QernoVocab.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::unique_ptr<char[]> text = HeapCopy(input, size, true);
    const WORD key = GetEVKeyFromKeyStr(text.get());
    FUZZ_CHECK(!(key & 0xFC00));
    std::unique_ptr<char[]> name(new char[kEVKeyNameSize]);
    GetEVKeyName(key, name.get());
    RemoveWhiteSpace(text.get());
    return 0;
}
