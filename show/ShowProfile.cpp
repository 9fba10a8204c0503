// The profile model and its native reading of INI text.
#include "show/ShowProfile.h"

#include <algorithm>

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), Lower);
    return lowered;
}

} // namespace

std::string_view TrimProfileText(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameProfileName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

const std::string* ProfileSection::Find(std::string_view key) const {
    const auto found = index_.find(Lowered(key));
    return found == index_.end() ? nullptr : &entries_[found->second].value;
}

void ProfileSection::AddLine(std::string_view line) {
    line = TrimProfileText(line);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.front() == ';')
        return;
    const std::string_view key = TrimProfileText(line.substr(0, equals));
    if (key.empty() || !index_.emplace(Lowered(key), entries_.size()).second)
        return;
    entries_.push_back({std::string(key), std::string(TrimProfileText(line.substr(equals + 1)))});
}

ProfileSection* ShowProfile::AddSection(std::string_view name) {
    if (name.empty() || !index_.emplace(Lowered(name), sections_.size()).second)
        return nullptr;
    return &sections_.emplace_back(std::string(name));
}

const ProfileSection* ShowProfile::Find(std::string_view name) const {
    const auto found = index_.find(Lowered(name));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

ShowProfile ParseProfileText(std::string_view text) {
    ShowProfile profile;
    ProfileSection* section = nullptr;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = TrimProfileText(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() != '[') {
            if (section)
                section->AddLine(line);
        } else if (const std::size_t close = line.find(']'); close != std::string_view::npos) {
            section = profile.AddSection(TrimProfileText(line.substr(1, close - 1)));
        }
    }
    return profile;
}
