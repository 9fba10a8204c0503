// Readers of the values of a show document's keys. The Read functions give whether the text
// fits and write only what fits; a Refusal is the form a whole value was expected to have.
#pragma once

#include "show/ShowDocument.h"
#include "show/ShowProfile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Refusal = std::optional<std::string>;

// The fields between commas, each trimmed; a value without a comma is one field.
std::vector<std::string_view> SplitFields(std::string_view value);

// Digits only, from low to high.
bool ReadWhole(std::string_view text, int low, int high, int& out);
std::string WholeForm(int low, int high);
// "#RRGGBB" as 0x00BBGGRR.
bool ReadColor(std::string_view text, std::uint32_t& out);
constexpr const char* kColorForm = "a colour #RRGGBB";

// A text cut to at most length characters.
void ReadText(std::string_view text, std::size_t length, std::string& out);
// A name of 1 to length characters, refused rather than cut.
bool ReadName(std::string_view text, std::size_t length, std::string& out);

// One of names in any case, giving the value in the same place of values.
template <class T, std::size_t N>
Refusal ReadChoice(std::string_view text, const char* const (&names)[N], const T (&values)[N],
                   T& out) {
    std::string form;
    for (std::size_t i = 0; i < N; ++i) {
        if (SameProfileName(text, names[i])) {
            out = values[i];
            return {};
        }
        form += i == 0 ? "" : i + 1 < N ? ", " : " or ";
        form += names[i];
    }
    return form;
}

// Lengths and positions in the show's unit, read into line units. A length is an optional '-',
// digits, and optionally '.' with at most three decimals; it may not go past the value that
// converts to the library's limit of line units, which would otherwise cut it silently.
class UnitReader {
public:
    explicit UnitReader(const ShowSettings& show) : show_(show) {}

    // Above 0 and at most limit line units.
    bool ReadSize(std::string_view text, int limit, int& lines) const;
    // "a length in in above 0 and at most 7.5"
    std::string SizeForm(int limit) const;
    // X, Y, W, H from four fields: a box with a size, within the page.
    bool ReadBox(const std::string_view* fields, ShowBox& box) const;
    // X, Y from two fields: a point within the page.
    bool ReadPoint(const std::string_view* fields, int& x, int& y) const;
    // "in in within the 10x7.5 page"
    std::string WithinPage() const;

    // Line units as a value in the unit for messages, without trailing zeros.
    std::string Shown(int lines) const;
    const char* UnitName() const;

private:
    bool ReadLength(std::string_view text, int& lines) const;
    bool ReadPosition(std::string_view text, int limit, int& lines) const;

    const ShowSettings& show_;
};
