// Every value type on arbitrary data and out sizes: the sanitizer reports any read past the data
// or write past the out buffer, and the text must end inside the buffer.
#include "FuzzInput.h"
#include "config/RegistryValueText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 2)
        return 0;
    // Types 10 and 11 stand for the undefined ones.
    const unsigned long type = input[0] % 12;
    const unsigned long outSize = input[1];
    const std::unique_ptr<char[]> data = HeapCopy(input + 2, size - 2, false);
    std::unique_ptr<char[]> out(new char[outSize]);
    ConvertKeyValueDataText(type, data.get(), size - 2, out.get(), outSize);
    FUZZ_CHECK(outSize == 0 || std::memchr(out.get(), '\0', outSize));
    return 0;
}
