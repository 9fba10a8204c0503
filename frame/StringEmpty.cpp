#include "QernoFrame.h"

namespace {

// The C locale's white space, spelt out so that no locale can widen it to bytes above 127.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

int QERNO_CALL IsStringEmpty(const char* text) {
    if (!text)
        return 1;
    for (; *text; ++text) {
        if (!IsBlank(*text))
            return 0;
    }
    return 1;
}
