// Event keys from a key-down, and typed key text cleaned of blanks.
#include "QernoVocab.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsDigitKey(WORD key) {
    return key >= '0' && key <= '9';
}

bool IsLetterKey(WORD key) {
    return key >= 'A' && key <= 'Z';
}

// The whole span of the punctuation keys, with the unused codes between its two groups.
bool IsPunctuationKey(WORD key) {
    return key >= 186 && key <= 222;
}

bool IsKeypadDigitKey(WORD key) {
    return key >= 96 && key <= 105;
}

} // namespace

WORD QERNO_CALL GetEVKey(WORD virtualKey, BOOL ctrl, BOOL shift, BOOL invertShift) {
    bool shifted = shift != FALSE;
    if (IsDigitKey(virtualKey) || IsLetterKey(virtualKey) || IsPunctuationKey(virtualKey)) {
        if (invertShift)
            shifted = !shifted;
    } else {
        shifted = false;
        if (IsKeypadDigitKey(virtualKey))
            virtualKey -= 96 - '0';
    }
    return static_cast<WORD>((virtualKey & 0xFF) | (shifted ? kEVKeyShifted : 0) |
                             (ctrl ? kEVKeyCtrl : 0));
}

void QERNO_CALL RemoveWhiteSpace(char* text) {
    if (!text)
        return;
    char* end = text + std::strlen(text);
    *std::remove(text, end, ' ') = '\0';
}
