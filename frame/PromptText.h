// The texts of the prompts, assembled apart from the Windows calls that load, probe and show them.
#pragma once

#include "QernoTypes.h"

#include <cstdint>
#include <functional>
#include <optional>

constexpr int kAssembledTextRoom = 320;
constexpr unsigned int kPromptListEnd = 0xFFFFFFFF;

// The (id, string) pairs after a prompt's caption and flags. On Windows a va_list feeds it.
class PromptArgSource {
public:
    virtual unsigned int NextId() = 0;
    virtual const char* NextText() = 0;

protected:
    ~PromptArgSource() = default;
};

// Appends string id at buffer's terminator, writing at most room characters with the terminator;
// CatIDStringB itself fits.
using CatIdString = std::function<int(char* buffer, unsigned int id, int room)>;

// Whether a non-null pointer can be read as a terminated text.
using IsReadableText = std::function<bool(const char* text)>;

// Fills text from the pairs until the end mark or a full text. Gives the address of the string
// pointer that stopped the list when it was null or unreadable; the text up to it stays.
std::optional<std::uintptr_t> AssemblePromptText(char (&text)[kAssembledTextRoom + 1],
                                                 PromptArgSource& args,
                                                 const CatIdString& catIdString,
                                                 const IsReadableText& isReadable);

// The warning about too little space on drive: "C:", string 12203, a line feed, string 12204 and
// the amount in decimal.
void AssembleDiskSpaceText(char (&text)[kAssembledTextRoom + 1], char drive, long amount,
                           const CatIdString& catIdString);

enum class CommDlgErrorShown { Nothing, StringId, FixedText, Formatted };

// For Formatted, text is a format that takes the code as its one int argument.
struct CommDlgErrorText {
    CommDlgErrorShown shown;
    unsigned int stringId;
    const char* text;
};

CommDlgErrorText DescribeCommDlgError(DWORD code);
