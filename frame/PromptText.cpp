#include "frame/PromptText.h"

#include <cstdio>
#include <cstring>

namespace {

struct PromptPair {
    unsigned int id;
    const char* text;
};

// A list the library builds itself, read the way a caller's argument list is read.
class FixedPromptList : public PromptArgSource {
public:
    template <std::size_t count>
    explicit FixedPromptList(const PromptPair (&pairs)[count]) : pairs(pairs), count(count) {}

    unsigned int NextId() override { return next < count ? pairs[next].id : kPromptListEnd; }
    const char* NextText() override { return pairs[next++].text; }

private:
    const PromptPair* pairs;
    std::size_t count;
    std::size_t next = 0;
};

int RoomLeft(const char* text) {
    return kAssembledTextRoom - static_cast<int>(std::strlen(text));
}

} // namespace

// A string from the loader may take room - 1 characters and its terminator; a caller's string may
// take all of room because the buffer keeps one byte beyond it for the terminator.
std::optional<std::uintptr_t> AssemblePromptText(char (&text)[kAssembledTextRoom + 1],
                                                 PromptArgSource& args,
                                                 const CatIdString& catIdString,
                                                 const IsReadableText& isReadable) {
    text[0] = '\0';
    int room = kAssembledTextRoom;
    unsigned int id = args.NextId();
    while (room > 0) {
        if (id != 0) {
            catIdString(text, id, room);
            room = RoomLeft(text);
        }
        if (room <= 0)
            break;
        // Every id takes a string, so a list that ends right after an id reads its end mark here.
        const char* string = args.NextText();
        if (!string || !isReadable(string))
            return reinterpret_cast<std::uintptr_t>(string);
        std::strncat(text, string, static_cast<std::size_t>(room));
        room = RoomLeft(text);
        id = args.NextId();
        if (id == kPromptListEnd)
            break;
    }
    return std::nullopt;
}

void AssembleDiskSpaceText(char (&text)[kAssembledTextRoom + 1], char drive, long amount,
                           const CatIdString& catIdString) {
    const char driveText[3] = {drive, ':', '\0'};
    char amountText[21]; // a 64-bit long's sign and 19 digits
    std::snprintf(amountText, sizeof amountText, "%ld", amount);
    const PromptPair pairs[] = {{0, driveText}, {12203, "\n"}, {12204, amountText}};
    FixedPromptList list(pairs);
    AssemblePromptText(text, list, catIdString, [](const char*) { return true; });
}

CommDlgErrorText DescribeCommDlgError(DWORD code) {
    constexpr DWORD firstCommonError = 1; // CDERR_STRUCTSIZE
    constexpr DWORD lastCommonError = 12; // CDERR_REGISTERMSGFAIL
    constexpr DWORD invalidFileName = 0x3002;
    if (code == 0)
        return {CommDlgErrorShown::Nothing, 0, nullptr};
    if (code >= firstCommonError && code <= lastCommonError)
        return {CommDlgErrorShown::StringId, 12220 + code, nullptr};
    if (code == invalidFileName)
        return {CommDlgErrorShown::StringId, 12233, nullptr};

    static const struct {
        DWORD code;
        const char* name;
    } named[] = {
        {0x2000, "CFERR_CHOOSEFONTCODES"}, {0x2001, "CFERR_NOFONTS"},
        {0x2002, "CFERR_MAXLESSTHANMIN"},  {0x3000, "FNERR_FILENAMECODES"},
        {0x3001, "FNERR_SUBCLASSFAILURE"}, {0x3003, "FNERR_BUFFERTOOSMALL"},
        {0xFFFF, "CDERR_DIALOGFAILURE"},
    };
    for (const auto& entry : named) {
        if (entry.code == code)
            return {CommDlgErrorShown::FixedText, 0, entry.name};
    }
    return {CommDlgErrorShown::Formatted, 0, "CommDlgExtendedError: %d\n"};
}
