// The presentation vocabulary: predefined actions, messages and event keys.
#pragma once

#include "QernoTypes.h"

// --- Predefined actions and messages ---

// The category (0..11) of a predefined action, with its index inside the category written
// through index; the families numbered 100 and up, but for 600 and 900, carry 0x100 in the
// index. An undefined action gives 0 and leaves index alone.
QERNO_API int QERNO_CALL GetActCategoryType(WORD action, int* index);

// The string ids of the display names; an undefined action has the name of action 0.
// The action's name string id.
QERNO_API WORD QERNO_CALL GetPredefActID(WORD action);
// The message's name string id, 12999 + message: no message is out of range.
QERNO_API WORD QERNO_CALL GetPredefMsgNameStrID(WORD message);

#if defined(_WIN32)
// Copy the name into buffer, cut to size - 1 characters, and return its full length whatever
// was copied; a null buffer just measures. Names are at most 79 characters.
// The action's display name.
QERNO_API int QERNO_CALL GetPredefActName(WORD action, char* buffer, int size);
// The message's display name.
QERNO_API int QERNO_CALL GetPredefMsgName(WORD message, char* buffer, int size);
#endif

// --- Event keys ---

// An event key: the virtual-key code in its low byte, and these two flags.
// Shift was held, or counts as held.
constexpr WORD kEVKeyShifted = 0x100;
// Ctrl was held.
constexpr WORD kEVKeyCtrl = 0x200;

// Room for the longest key name, "Ctrl+Backspace", with its terminator.
constexpr unsigned int kEVKeyNameSize = 16;

// invertShift turns the shift of digits, letters and punctuation around (the host passes the
// Caps Lock state); other keys never count as shifted, and keypad digits become plain digits.
QERNO_API WORD QERNO_CALL GetEVKey(WORD virtualKey, BOOL ctrl, BOOL shift, BOOL invertShift);

// name holds kEVKeyNameSize bytes.
QERNO_API void QERNO_CALL GetEVKeyName(WORD eventKey, char* name);

// 0 when the text names no key, names a modifier alone, or has "Ctrl+" other than in front.
QERNO_API WORD QERNO_CALL GetEVKeyFromKeyStr(const char* text);

// Removes every blank (tabs stay), in place.
QERNO_API void QERNO_CALL RemoveWhiteSpace(char* text);
