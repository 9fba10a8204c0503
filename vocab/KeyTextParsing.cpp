// Event keys read back from their texts, as an author types them.
#include "QernoVocab.h"
#include "vocab/KeyTables.h"

#include <cstring>

namespace {

WORD SymbolKeyOf(char symbol) {
    if (symbol >= '0' && symbol <= '9')
        return static_cast<WORD>(symbol);
    if (symbol >= 'a' && symbol <= 'z')
        return static_cast<WORD>(symbol - 'a' + 'A');
    if (symbol >= 'A' && symbol <= 'Z')
        return static_cast<WORD>(symbol | kEVKeyShifted);
    // The keypad comes first, so '-', '.', '/', '+' and '*' read as its keys.
    for (const SymbolKey& key : kKeypadKeys) {
        if (key.symbol == symbol)
            return key.code;
    }
    // A shifted digit's symbol names the digit key, without the shift.
    for (int digit = 0; digit < 10; ++digit) {
        if (kShiftedDigits[digit] == symbol)
            return static_cast<WORD>('0' + digit);
    }
    for (const PunctuationKey& key : kPunctuationKeys) {
        if (key.plain == symbol)
            return key.code;
        if (key.shifted == symbol)
            return static_cast<WORD>(key.code | kEVKeyShifted);
    }
    return 0;
}

WORD NamedKeyOf(const char* name) {
    for (const NamedKey* key = kNamedKeys; key->code != 0; ++key) {
        if (std::strcmp(key->name, name) == 0)
            return IsModifierKey(key->code) ? 0 : key->code;
    }
    return 0;
}

// Of the function keys only F1..F9 read back; the two-letter name "Up" is the only other.
WORD TwoCharacterKeyOf(const char* text) {
    if (text[0] == 'F' && text[1] >= '1' && text[1] <= '9')
        return static_cast<WORD>(kKeyF1 + text[1] - '1');
    return std::strcmp(text, "Up") == 0 ? kKeyUp : 0;
}

WORD KeyOf(const char* text) {
    switch (std::strlen(text)) {
    case 1:
        return SymbolKeyOf(text[0]);
    case 2:
        return TwoCharacterKeyOf(text);
    default:
        return NamedKeyOf(text);
    }
}

} // namespace

WORD QERNO_CALL GetEVKeyFromKeyStr(const char* text) {
    if (!text)
        return 0;
    bool ctrl = false;
    if (const char* prefix = std::strstr(text, kCtrlPrefix)) {
        if (prefix != text)
            return 0;
        ctrl = true;
        text += sizeof kCtrlPrefix - 1;
    }
    const WORD key = KeyOf(text);
    return key && ctrl ? static_cast<WORD>(key | kEVKeyCtrl) : key;
}
