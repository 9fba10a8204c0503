#include "config/MediaFilters.h"
#include "QernoConfig.h"

#include <cstring>

FieldWalk::FieldWalk(const char* text, char separator)
    : rest_(text ? text : ""), separator_(separator) {}

bool FieldWalk::Next() {
    if (!*rest_)
        return false;
    const char* end = std::strchr(rest_, separator_);
    if (!end)
        end = rest_ + std::strlen(rest_);
    field_ = rest_;
    length_ = static_cast<int>(end - rest_);
    ++number_;
    rest_ = *end ? end + 1 : end;
    return true;
}

int FilterPatternList(const char* filter, int description, const char** patterns) {
    *patterns = "";
    if (description < 0)
        return 0;
    FieldWalk walk(filter, '|');
    while (walk.Next()) {
        if (walk.Number() == description + 1) {
            *patterns = walk.Text();
            return walk.Length();
        }
    }
    return 0;
}

namespace {

constexpr char kIllegalCharacters[] = "#&,;<>[]*?|/\"'\t";

// Bytes from 0x80 up are refused, 0x80 itself included: their meaning depends on the code page.
bool Printable(unsigned char c) {
    return c >= 0x20 && c < 0x7F;
}

} // namespace

BOOL QERNO_CALL CheckFileNameLegal(const char* name) {
    if (!name || !*name)
        return FALSE;
    const std::size_t length = std::strlen(name);
    if (name[0] == ' ' || name[length - 1] == ' ')
        return FALSE;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = name[i];
        if (!Printable(static_cast<unsigned char>(c)) || std::strchr(kIllegalCharacters, c))
            return FALSE;
        if (c == ':' && i != 1)
            return FALSE;
        // A blank beside a backslash would begin or end a folder's name.
        if (c == ' ' && (name[i - 1] == '\\' || name[i + 1] == '\\'))
            return FALSE;
    }
    return TRUE;
}

WORD QERNO_CALL GetMediaTypeIDs(int mediaType) {
    switch (mediaType) {
    case 2:
        return 11321;
    case 4:
        return 11315;
    case 5:
        return 11318;
    case 6:
        return 11312;
    case 7:
        return 11327;
    case 8:
        return 11530;
    case 9:
        return 11533;
    default: // pictures, and any type without a filter of its own
        return 11309;
    }
}
