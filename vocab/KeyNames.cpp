// Event keys as the texts an author sees: "Ctrl+" in front, then the key.
#include "QernoVocab.h"
#include "vocab/KeyTables.h"

#include <cstdio>

namespace {

constexpr int kKeyTextSize = 4; // "F24", or one character, and the terminator

// The one character of a letter, digit, keypad operator or punctuation key. Other codes (the
// keypad's digits and separator, unused codes) have none, like the unnamed codes up to 46.
char SymbolOf(BYTE code, bool shifted) {
    if (code >= 'A' && code <= 'Z')
        return static_cast<char>(shifted ? code : code - 'A' + 'a');
    if (code >= '0' && code <= '9')
        return shifted ? kShiftedDigits[code - '0'] : static_cast<char>(code);
    for (const SymbolKey& key : kKeypadKeys) {
        if (key.code == code)
            return key.symbol;
    }
    for (const PunctuationKey& key : kPunctuationKeys) {
        if (key.code == code)
            return shifted ? key.shifted : key.plain;
    }
    return '\0';
}

// The text of code alone. Named keys give their name; the rest are written into text, which
// stays empty for a code without a text.
const char* KeyText(BYTE code, bool shifted, char (&text)[kKeyTextSize]) {
    text[0] = '\0';
    if (code <= kLastNamedKey) {
        for (const NamedKey* key = kNamedKeys; key->code != 0; ++key) {
            if (key->code == code)
                return key->name;
        }
        return text;
    }
    if (code >= kKeyF1 && code <= kKeyF24) {
        std::snprintf(text, sizeof text, "F%u", code - kKeyF1 + 1u);
        return text;
    }
    text[0] = SymbolOf(code, shifted);
    text[1] = '\0';
    return text;
}

} // namespace

void QERNO_CALL GetEVKeyName(WORD eventKey, char* name) {
    if (!name)
        return;
    char text[kKeyTextSize];
    const char* keyText =
        KeyText(static_cast<BYTE>(eventKey & 0xFF), eventKey & kEVKeyShifted, text);
    std::snprintf(name, kEVKeyNameSize, "%s%s", eventKey & kEVKeyCtrl ? kCtrlPrefix : "", keyText);
}
