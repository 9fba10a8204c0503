// Filter strings and file names of any content, unterminated fields and separators included:
// the sanitizer reports any read past the text, and every field must lie inside it.
#include "FuzzInput.h"
#include "QernoConfig.h"
#include "config/MediaFilters.h"

#include <initializer_list>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 1)
        return 0;
    const int description = static_cast<std::int8_t>(input[0]);
    const std::unique_ptr<char[]> text = HeapCopy(input + 1, size - 1, true);
    const char* end = text.get() + std::strlen(text.get());

    for (char separator : {'|', ';'}) {
        FieldWalk walk(text.get(), separator);
        while (walk.Next())
            FUZZ_CHECK(walk.Length() >= 0 && walk.Text() >= text.get() &&
                       walk.Text() + walk.Length() <= end);
    }
    const char* patterns = nullptr;
    const int found = FilterPatternList(text.get(), description, &patterns);
    FUZZ_CHECK(found == 0 || (found > 0 && patterns + found <= end));
    CheckFileNameLegal(text.get());
    return 0;
}
