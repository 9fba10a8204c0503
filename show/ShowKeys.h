// What the readers of the [Show] and the slide sections share: tables of keys read in a fixed
// order, numbered names and the recording of the first refusal.
#pragma once

#include "show/ShowReader.h"
#include "show/ShowValues.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

template <class Target> struct KeyRule {
    const char* key;
    Refusal (*read)(Target& target, std::string_view value);
};

// Keeps the error; false, for the reader to return.
inline bool Refuse(ShowReading& reading, ShowError error) {
    reading.error = std::move(error);
    return false;
}

// No refusal when the value fits, else its form.
inline Refusal Fits(bool fits, std::string form) {
    return fits ? Refusal() : Refusal(std::move(form));
}

// A whole value of digits only, from low to high.
inline Refusal Whole(std::string_view text, int low, int high, int& out) {
    return Fits(ReadWhole(text, low, high, out), WholeForm(low, high));
}

// Reads the keys of the rules that the section holds, in the rules' order, which lets a key
// depend on those before it whatever their order in the file.
template <class Target, std::size_t N>
bool ReadKeys(const ProfileSection& section, const KeyRule<Target> (&rules)[N], Target& target,
              ShowReading& reading) {
    for (const KeyRule<Target>& rule : rules)
        if (const std::string* value = section.Find(rule.key))
            if (Refusal form = rule.read(target, *value))
                return Refuse(reading, {section.Name(), rule.key, std::move(*form), *value});
    return true;
}

template <class Target, std::size_t N>
bool IsRuleKey(const KeyRule<Target> (&rules)[N], std::string_view key) {
    for (const KeyRule<Target>& rule : rules)
        if (SameProfileName(key, rule.key))
            return true;
    return false;
}

// The number of a name made of prefix and digits, such as Slide12: 0 when the digits are not a
// number from 1 to most without leading zeros, and nothing for a name of another form.
std::optional<int> NumberOfName(std::string_view name, std::string_view prefix, int most);
