// A private-profile (INI) file as the show reader sees it: its sections in file order, each with
// its key/value pairs in file order. Names match in any case, as the platform's profile
// functions match them.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text without the blanks around it.
std::string_view TrimProfileText(std::string_view text);
// Whether two names are the same in any case.
bool SameProfileName(std::string_view a, std::string_view b);

struct ProfileEntry {
    std::string key;
    std::string value;
};

class ProfileSection {
public:
    explicit ProfileSection(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::vector<ProfileEntry>& Entries() const { return entries_; }
    // The value of key, or null when the section has none.
    const std::string* Find(std::string_view key) const;
    // A "key=value" line, both sides trimmed. Lines without '=', with an empty key or starting
    // with ';' are ignored, and a key already there keeps its first value, as the platform
    // reads it.
    void AddLine(std::string_view line);

private:
    std::string name_;
    std::vector<ProfileEntry> entries_;
    std::map<std::string, std::size_t> index_; // by the key in lower case
};

class ShowProfile {
public:
    // The new section, valid until the next call. Null for a name already there, whose lines
    // the platform never reads, and for an empty name, which its list of names cannot hold.
    ProfileSection* AddSection(std::string_view name);
    // The section of that name, or null.
    const ProfileSection* Find(std::string_view name) const;
    const std::vector<ProfileSection>& Sections() const { return sections_; }

private:
    std::vector<ProfileSection> sections_;
    std::map<std::string, std::size_t> index_; // by the name in lower case
};

// Reads INI text as the platform's private-profile functions read a file: lines end in "\n" or
// "\r\n"; "[name]" begins a section (the name ends at the first ']'); lines before the first
// section are ignored.
ShowProfile ParseProfileText(std::string_view text);

#if defined(_WIN32)
// Reads the file through the platform's profile functions; false when it cannot be read or is
// too large for them.
bool ReadProfileFile(const char* path, ShowProfile& profile);
#endif
