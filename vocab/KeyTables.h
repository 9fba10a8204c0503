// The key codes and texts that event-key names are written with and read back from.
#pragma once

#include "QernoTypes.h"

constexpr char kCtrlPrefix[] = "Ctrl+";

constexpr BYTE kLastNamedKey = 46; // codes up to this one are named or nameless, never a symbol
constexpr BYTE kKeyF1 = 112;
constexpr BYTE kKeyF24 = 135;
constexpr BYTE kKeyUp = 38;

struct NamedKey {
    BYTE code;
    const char* name;
};

// In the order names are looked up in; code 0 ends it.
constexpr NamedKey kNamedKeys[] = {
    {8, "Backspace"}, {9, "Tab"},   {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"},
    {18, "Alt"},      {20, "Cap"},  {27, "Esc"},   {32, "Space"}, {33, "PgUp"},
    {34, "PgDn"},     {35, "End"},  {36, "Home"},  {37, "Left"},  {38, "Up"},
    {39, "Right"},    {40, "Down"}, {45, "Ins"},   {46, "Del"},   {0, nullptr},
};

// Modifiers name keys, but pressed alone they are no event.
constexpr bool IsModifierKey(BYTE code) {
    return code == 16 || code == 17 || code == 18 || code == 20;
}

struct SymbolKey {
    BYTE code;
    char symbol;
};

// The numeric keypad's operators read the same whether shifted or not.
constexpr SymbolKey kKeypadKeys[] = {{106, '*'}, {107, '+'}, {109, '-'}, {110, '.'}, {111, '/'}};

struct PunctuationKey {
    BYTE code;
    char plain;
    char shifted;
};

constexpr PunctuationKey kPunctuationKeys[] = {
    {186, ';', ':'},  {187, '=', '+'}, {188, ',', '<'},  {189, '-', '_'},
    {190, '.', '>'},  {191, '/', '?'}, {192, '`', '~'},  {219, '[', '{'},
    {220, '\\', '|'}, {221, ']', '}'}, {222, '\'', '"'},
};

// The symbols of the digit keys 0..9 when shifted.
constexpr char kShiftedDigits[10] = {')', '!', '@', '#', '$', '%', '^', '&', '*', '('};
