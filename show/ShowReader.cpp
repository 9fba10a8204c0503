// The document's sections, its [Show] settings and the error and warning lines.
#include "show/ShowReader.h"

#include "QernoGeometry.h"
#include "show/ShowKeys.h"
#include "show/ShowSlideReader.h"

#include <array>
#include <cstdio>

namespace {

constexpr int kPixelsLow = 64, kPixelsHigh = 4096;
// A page by default shows the slide at 96 pixels an inch.
constexpr int kLinesPerDefaultPixel = 1440 / 96;
// A long value is shown in part: the line is for a person to find the key by.
constexpr std::size_t kFoundShown = 80;

// The two sides of "WIDTHxHEIGHT", trimmed; false without an 'x'.
bool SplitSides(std::string_view value, std::string_view& width, std::string_view& height) {
    const std::size_t x = value.find_first_of("xX");
    if (x == std::string_view::npos)
        return false;
    width = TrimProfileText(value.substr(0, x));
    height = TrimProfileText(value.substr(x + 1));
    return true;
}

const KeyRule<ShowSettings> kShowRules[] = {
    {"Title",
     [](ShowSettings& show, std::string_view value) {
         ReadText(value, kMaxTitleLength, show.title);
         return Refusal();
     }},
    {"Size",
     [](ShowSettings& show, std::string_view value) {
         std::string_view width, height;
         return Fits(SplitSides(value, width, height) &&
                         ReadWhole(width, kPixelsLow, kPixelsHigh, show.width) &&
                         ReadWhole(height, kPixelsLow, kPixelsHigh, show.height),
                     "WIDTHxHEIGHT in pixels, each " + WholeForm(kPixelsLow, kPixelsHigh));
     }},
    {"Unit",
     [](ShowSettings& show, std::string_view value) {
         static const char* const names[] = {"in", "cm", "mm", "pt"};
         static const unsigned short codes[] = {kUnitInch, kUnitCentimetre, kUnitMillimetre,
                                                kUnitPoint};
         return ReadChoice(value, names, codes, show.unit);
     }},
    {"Page",
     [](ShowSettings& show, std::string_view value) {
         const UnitReader units(show);
         std::string_view width, height;
         int pageWidth = 0, pageHeight = 0;
         const bool fits = SplitSides(value, width, height) &&
                           units.ReadSize(width, kMaxUnitLines, pageWidth) &&
                           units.ReadSize(height, kMaxUnitLines, pageHeight);
         if (fits) {
             show.pageWidth = pageWidth;
             show.pageHeight = pageHeight;
         }
         return Fits(fits, "WIDTHxHEIGHT, each " + units.SizeForm(kMaxUnitLines));
     }},
    {"Advance",
     [](ShowSettings& show, std::string_view value) {
         static const char* const names[] = {"manual", "timed"};
         static const ShowAdvance advances[] = {ShowAdvance::Manual, ShowAdvance::Timed};
         return ReadChoice(value, names, advances, show.advance);
     }},
    {"Font",
     [](ShowSettings& show, std::string_view value) {
         return Fits(ReadName(value, kMaxFaceLength, show.font),
                     "a face name of 1 to " + std::to_string(kMaxFaceLength) + " characters");
     }},
};

bool ReadSettings(const ProfileSection* section, ShowSettings& show, ShowReading& reading) {
    if (section) {
        for (const ProfileEntry& entry : section->Entries())
            if (!IsRuleKey(kShowRules, entry.key))
                reading.warnings.push_back({section->Name(), entry.key});
        if (!ReadKeys(*section, kShowRules, show, reading))
            return false;
    }
    if (show.pageWidth == 0) {
        show.pageWidth = show.width * kLinesPerDefaultPixel;
        show.pageHeight = show.height * kLinesPerDefaultPixel;
    }
    return true;
}

std::string SlideName(int number) {
    return "Slide" + std::to_string(number);
}

// The slide sections by number; false when one is numbered wrongly, missing or none is there.
bool FindSlides(const ShowProfile& profile, std::vector<const ProfileSection*>& slides,
                ShowReading& reading) {
    std::array<const ProfileSection*, kMaxSlides + 1> byNumber{};
    int highest = 0;
    for (const ProfileSection& section : profile.Sections()) {
        if (SameProfileName(section.Name(), "Show"))
            continue;
        const std::optional<int> number = NumberOfName(section.Name(), "Slide", kMaxSlides);
        if (!number) {
            reading.warnings.push_back({section.Name(), ""});
        } else if (*number == 0) {
            return Refuse(reading, {section.Name(), "",
                                    "[Slide1] to [Slide" + std::to_string(kMaxSlides) +
                                        "] (numbered from 1 without leading zeros)",
                                    section.Name()});
        } else {
            byNumber[*number] = &section;
            highest = std::max(highest, *number);
        }
    }
    if (highest == 0)
        return Refuse(reading, {SlideName(1), "", "at least one slide", {}});
    for (int number = 1; number <= highest; ++number) {
        if (!byNumber[number])
            return Refuse(reading, {SlideName(number),
                                    "",
                                    "[" + SlideName(number) + "] (slides go from [Slide1] to [" +
                                        SlideName(highest) + "] without gaps)",
                                    {}});
        slides.push_back(byNumber[number]);
    }
    return true;
}

// Control characters would break the line or hide what the file holds.
std::string Printable(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string Subject(std::string_view file, const std::string& section, const std::string& key) {
    std::string line = Printable(file) + ": [" + Printable(section) + "]";
    if (!key.empty())
        line += " " + Printable(key);
    return line + ": ";
}

} // namespace

std::optional<int> NumberOfName(std::string_view name, std::string_view prefix, int most) {
    if (name.size() <= prefix.size() || !SameProfileName(name.substr(0, prefix.size()), prefix))
        return {};
    const std::string_view digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string_view::npos)
        return {};
    int number = 0;
    return digits.front() != '0' && ReadWhole(digits, 1, most, number) ? number : 0;
}

ShowReading ReadShow(const ShowProfile& profile) {
    ShowReading reading;
    ShowDocument document;
    std::vector<const ProfileSection*> sections;
    if (!FindSlides(profile, sections, reading) ||
        !ReadSettings(profile.Find("Show"), document.show, reading))
        return reading;
    for (const ProfileSection* section : sections)
        if (!ReadSlide(*section, document.show, document.slides.emplace_back(), reading))
            return reading;
    reading.document = std::move(document);
    return reading;
}

std::string FormatShowError(std::string_view file, const ShowError& error) {
    std::string line =
        Subject(file, error.section, error.key) + "expected " + error.expected + ", found ";
    if (!error.found)
        return line + "nothing";
    const std::string_view found = *error.found;
    return line + "\"" + Printable(found.substr(0, kFoundShown)) +
           (found.size() > kFoundShown ? "...\"" : "\"");
}

std::string FormatShowWarning(std::string_view file, const ShowWarning& warning) {
    return Subject(file, warning.section, warning.key) +
           (warning.key.empty() ? "unknown section, ignored" : "unknown key, ignored");
}
