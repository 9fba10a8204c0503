// Every value type on arbitrary data and out sizes: the sanitizer reports any read past the data
// or write past the out buffer, and the text must end inside the buffer.
#include "config/RegistryValueText.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 2)
        return 0;
    // Types 10 and 11 stand for the undefined ones.
    const unsigned long type = input[0] % 12;
    const unsigned long outSize = input[1];
    const unsigned long dataSize = size - 2;

    std::unique_ptr<char[]> data(new char[dataSize]);
    std::memcpy(data.get(), input + 2, dataSize);
    std::unique_ptr<char[]> out(new char[outSize]);

    ConvertKeyValueDataText(type, data.get(), dataSize, out.get(), outSize);
    if (outSize > 0 && !std::memchr(out.get(), '\0', outSize))
        __builtin_trap();
    return 0;
}
