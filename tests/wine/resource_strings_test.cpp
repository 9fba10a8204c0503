// Checks the texts of QernoRes.dll, the resource module that the library reads
// every string from. The library loads each
// text into a fixed buffer and cuts it there, and parses several of them
// (extensions, filters, formats), so a text that is too long or badly shaped
// shows up only as a wrong label or a file the pickers cannot find.

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace {

struct IdRange {
    UINT first;
    UINT last;
    size_t room; // characters the caller's buffer holds, terminator excluded
};

// Every string the library loads, with the room its caller gives it.
const IdRange kRequired[] = {
    {11004, 11005, 79},  {11012, 11012, 79}, // document, configuration, database suffixes
    {11030, 11039, 15},                      // measure unit names
    {11252, 11252, 8},   {12319, 12320, 8},  // position units, appended to "12.34"
    {11266, 11266, 31},  {12059, 12059, 79}, // log window title and status bar
    {11267, 11267, 63},                      // built-in gradient entry
    {11309, 11309, 499}, {11312, 11312, 499}, {11315, 11315, 499}, {11318, 11318, 499},
    {11321, 11321, 499}, {11327, 11327, 499}, {11530, 11530, 499}, {11533, 11533, 499},
    {11350, 11378, 79},                                           // media extensions
    {11600, 11603, 15},  {11616, 11622, 31},  {11632, 11633, 31}, // log levels, categories
    {12000, 12007, 15},  {12009, 12009, 79},                      // button labels, error caption
    {12023, 12028, 79},  {12125, 12125, 79},                      // file access
    {12032, 12032, 79},  {12300, 12301, 79},  {12304, 12305, 79},  {12307, 12307, 79},
    {12309, 12315, 79},  {12317, 12318, 79},                      // playback
    {12037, 12037, 79},  {12132, 12133, 79},  {12135, 12135, 79}, // memory, missing tables
    {12058, 12058, 255},                                          // missing configured folder
    {12203, 12204, 150}, // disk space: both share a 320-character text
    {12221, 12233, 79},  // common-dialog errors
    {13000, 13039, 79},  // predefined messages 1..40
    {14100, 14107, 79},  {14113, 14152, 79},  {14160, 14171, 79},  {14180, 14180, 79},
    {14200, 14201, 79},  {14220, 14223, 79},  {14240, 14251, 79},  {14260, 14267, 79},
    {14280, 14287, 79},  {14300, 14303, 79},  {14400, 14404, 79}, // predefined actions
};

const UINT kCdAudioName = 11360;

// Each media filter and the extensions the classifier accepts for its type.
struct MediaFilter {
    UINT filter;
    std::vector<UINT> extensions;
};
const MediaFilter kFilters[] = {
    {11309, {11350, 11351, 11352, 11353, 11354, 11355, 11356, 11357, 11377, 11378}},
    {11312, {11358, 11359}},
    {11315, {11364, 11372, 11373, 11374}},
    {11318, {11361, 11362, 11363}},
    {11321, {11365, 11368, 11369, 11375}},
    {11327, {11366, 11376}},
    {11530, {11370}},
    {11533, {11367}},
};

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(sep, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool HasBlank(const std::string& s) {
    for (char c : s)
        if (std::isspace(static_cast<unsigned char>(c)))
            return true;
    return false;
}

// A ';'-separated list of wildcard patterns, as the directory list expects.
bool IsPatternList(const std::string& field) {
    for (const std::string& p : Split(field, ';'))
        if (p.empty() || HasBlank(p) || p.find_first_of("*?") == std::string::npos)
            return false;
    return true;
}

// The conversions of a printf format ("%%" excluded), each as its size prefix
// and type letter; a '%' that ends the text gives an empty entry.
std::vector<std::string> Conversions(const std::string& format) {
    std::vector<std::string> found;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        size_t j = i + 1;
        if (j < format.size() && format[j] == '%') {
            i = j;
            continue;
        }
        while (j < format.size() &&
               std::string("-+ #0123456789.*").find(format[j]) != std::string::npos)
            ++j;
        std::string conversion;
        while (j < format.size() && std::string("hlLI").find(format[j]) != std::string::npos)
            conversion += format[j++];
        found.push_back(j < format.size() ? conversion + format[j] : std::string());
        i = j;
    }
    return found;
}

class ResourceStrings : public ::testing::Test {
protected:
    static void SetUpTestSuite() { module_ = LoadLibraryA("QernoRes.dll"); }
    static void TearDownTestSuite() {
        if (module_)
            FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "QernoRes.dll not beside the test"; }

    static std::string Load(UINT id) {
        char buffer[1024];
        int length = LoadStringA(module_, id, buffer, sizeof buffer);
        return std::string(buffer, length > 0 ? length : 0);
    }

    static std::vector<UINT> ExtensionIds() {
        std::vector<UINT> ids = {11004, 11005, 11012};
        for (UINT id = 11350; id <= 11378; ++id)
            if (id != kCdAudioName)
                ids.push_back(id);
        return ids;
    }

    static HMODULE module_;
};

HMODULE ResourceStrings::module_ = nullptr;

TEST_F(ResourceStrings, EveryRequiredStringIsPresentAndFitsItsBuffer) {
    for (const IdRange& range : kRequired) {
        for (UINT id = range.first; id <= range.last; ++id) {
            std::string text = Load(id);
            EXPECT_FALSE(text.empty()) << "string " << id << " is missing";
            EXPECT_LE(text.size(), range.room) << "string " << id << " is cut: " << text;
        }
    }
}

TEST_F(ResourceStrings, ExtensionsAreOneLeadingDotAndDistinct) {
    std::set<std::string> seen;
    for (UINT id : ExtensionIds()) {
        std::string ext = Load(id);
        ASSERT_GE(ext.size(), 2u) << id;
        // Names are compared from their last dot, so a second dot never matches.
        EXPECT_EQ(ext.rfind('.'), 0u) << id << ": " << ext;
        EXPECT_FALSE(HasBlank(ext)) << id << ": " << ext;
        EXPECT_TRUE(seen.insert(Lower(ext)).second) << id << " repeats " << ext;
    }
}

TEST_F(ResourceStrings, CdAudioIsTheWholeDeviceName) {
    // Compared with the whole file name before any dot is looked for; the
    // stage window titles a file by that name as the device itself.
    EXPECT_EQ(Lower(Load(kCdAudioName)), "cdaudio");
}

TEST_F(ResourceStrings, FiltersAreDescriptionAndPatternPairs) {
    for (const MediaFilter& media : kFilters) {
        std::string filter = Load(media.filter);
        ASSERT_FALSE(filter.empty()) << media.filter;
        EXPECT_LE(filter.size(), 499u) << media.filter;
        ASSERT_EQ(filter.back(), '|') << media.filter << ": the last field is not closed";
        std::vector<std::string> fields = Split(filter.substr(0, filter.size() - 1), '|');
        EXPECT_EQ(fields.size() % 2, 0u) << media.filter << ": a description lacks patterns";
        for (size_t k = 0; k < fields.size(); ++k) {
            EXPECT_FALSE(fields[k].empty()) << media.filter << " field " << k;
            EXPECT_EQ(IsPatternList(fields[k]), k % 2 == 1)
                << media.filter << " field " << k << ": " << fields[k];
        }
    }
}

TEST_F(ResourceStrings, EachFilterListsExactlyTheExtensionsOfItsType) {
    for (const MediaFilter& media : kFilters) {
        std::vector<std::string> fields = Split(Load(media.filter), '|');
        std::set<std::string> patterns;
        for (size_t k = 1; k < fields.size(); k += 2)
            for (const std::string& p : Split(fields[k], ';'))
                if (p != "*.*")
                    patterns.insert(Lower(p));
        std::set<std::string> expected;
        for (UINT id : media.extensions)
            expected.insert("*" + Lower(Load(id)));
        EXPECT_EQ(patterns, expected) << "filter " << media.filter;
    }
}

TEST_F(ResourceStrings, FormatsTakeTheArgumentsTheirCallersPass) {
    // Filled with the configuration file, the key and the folder.
    EXPECT_EQ(Conversions(Load(12058)), (std::vector<std::string>{"s", "s", "s"}));
    // The log window's line count, through wsprintf.
    std::vector<std::string> lineCount = Conversions(Load(12059));
    ASSERT_EQ(lineCount.size(), 1u);
    EXPECT_NE(std::string("d i u ld li lu").find(lineCount[0]), std::string::npos) << lineCount[0];
}

TEST_F(ResourceStrings, VocabularyNamesAreDistinct) {
    std::set<std::string> messages;
    for (UINT id = 13000; id <= 13039; ++id) {
        EXPECT_TRUE(messages.insert(Lower(Load(id))).second) << "message string " << id;
    }
    std::set<std::string> actions;
    for (const IdRange& range : kRequired) {
        if (range.first < 14100)
            continue;
        for (UINT id = range.first; id <= range.last; ++id) {
            EXPECT_TRUE(actions.insert(Lower(Load(id))).second) << "action string " << id;
        }
    }
}

} // namespace
