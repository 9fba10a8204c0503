// Filter strings and file names of any content, unterminated fields and separators included:
// the sanitizer reports any read past the text, and every field must lie inside it.
#include "QernoConfig.h"
#include "config/MediaFilters.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 1)
        return 0;
    const int description = static_cast<std::int8_t>(input[0]);
    const std::size_t length = size - 1;
    std::unique_ptr<char[]> text(new char[length + 1]);
    std::memcpy(text.get(), input + 1, length);
    text[length] = '\0';
    const char* end = text.get() + std::strlen(text.get());

    for (char separator : {'|', ';'}) {
        FieldWalk walk(text.get(), separator);
        while (walk.Next()) {
            if (walk.Length() < 0 || walk.Text() < text.get() || walk.Text() + walk.Length() > end)
                __builtin_trap();
        }
    }
    const char* patterns = nullptr;
    const int found = FilterPatternList(text.get(), description, &patterns);
    if (found < 0 || (found > 0 && patterns + found > end))
        __builtin_trap();
    CheckFileNameLegal(text.get());
    return 0;
}
