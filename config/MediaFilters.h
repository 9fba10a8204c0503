// Filter strings of the media pickers ("description|patterns|" repeated) and pattern lists
// ("*.bmp;*.dib").
#pragma once

#include "QernoTypes.h"

// Room for a filter string with its terminator.
constexpr int kFilterSize = 500;

// Steps through the fields of a text, each ended by the separator. A last field without its
// separator ends with the text, so nothing past the terminator is ever read; what follows the
// last separator is no field when it is empty.
class FieldWalk {
public:
    FieldWalk(const char* text, char separator);

    // Moves to the next field; false once the text is used up.
    bool Next();

    const char* Text() const { return field_; }
    int Length() const { return length_; }
    int Number() const { return number_; }

private:
    const char* rest_;
    char separator_;
    const char* field_ = nullptr;
    int length_ = 0;
    int number_ = -1;
};

// The pattern list that follows description field, its length as result and its start in
// patterns; a field the filter lacks (negative numbers included) gives 0 and an empty text.
int FilterPatternList(const char* filter, int description, const char** patterns);
