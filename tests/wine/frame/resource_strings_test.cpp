// The texts of QernoRes.dll, which the library reads every string from. It loads each text into
// a fixed buffer and cuts it there, and parses several of them (extensions, filters, formats), so
// a text too long or badly shaped shows up only as a wrong label or a file the pickers miss.
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Every string the library loads (first and last id) with the room its caller gives it,
// terminator excluded, in this order: file
// suffixes; unit names; position units, appended to "12.34"; the log window's title and bar; the
// built-in gradient entry; media filters and extensions; log levels and categories; button labels
// and the error caption; file access; playback; memory and missing tables; the missing configured
// folder; disk space, whose two texts share 320 characters; common-dialog errors; predefined
// messages and actions.
const std::tuple<UINT, UINT, size_t> kRequired[] = {
    {11004, 11005, 79},  {11012, 11012, 79},  {11030, 11039, 15},  {11252, 11252, 8},
    {12319, 12320, 8},   {11266, 11266, 31},  {12059, 12059, 79},  {11267, 11267, 63},
    {11309, 11309, 499}, {11312, 11312, 499}, {11315, 11315, 499}, {11318, 11318, 499},
    {11321, 11321, 499}, {11327, 11327, 499}, {11530, 11530, 499}, {11533, 11533, 499},
    {11350, 11378, 79},  {11600, 11603, 15},  {11616, 11622, 31},  {11632, 11633, 31},
    {12000, 12007, 15},  {12009, 12009, 79},  {12023, 12028, 79},  {12125, 12125, 79},
    {12032, 12032, 79},  {12300, 12301, 79},  {12304, 12305, 79},  {12307, 12307, 79},
    {12309, 12315, 79},  {12317, 12318, 79},  {12037, 12037, 79},  {12132, 12133, 79},
    {12135, 12135, 79},  {12058, 12058, 255}, {12203, 12204, 150}, {12221, 12233, 79},
    {13000, 13039, 79},  {14100, 14107, 79},  {14113, 14152, 79},  {14160, 14171, 79},
    {14180, 14180, 79},  {14200, 14201, 79},  {14220, 14223, 79},  {14240, 14251, 79},
    {14260, 14267, 79},  {14280, 14287, 79},  {14300, 14303, 79},  {14400, 14404, 79},
};

// Each media filter and the extensions the classifier accepts for its type.
const std::pair<UINT, std::vector<UINT>> kFilters[] = {
    {11309, {11350, 11351, 11352, 11353, 11354, 11355, 11356, 11357, 11377, 11378}},
    {11312, {11358, 11359}},
    {11315, {11364, 11372, 11373, 11374}},
    {11318, {11361, 11362, 11363}},
    {11321, {11365, 11368, 11369, 11375}},
    {11327, {11366, 11376}},
    {11530, {11370}},
    {11533, {11367}}};

std::string Load(UINT id) {
    static const HMODULE module = LoadLibraryA("QernoRes.dll");
    char buffer[1024]; // longer than any text of the module
    const int length = LoadStringA(module, id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

std::string Lower(std::string text) {
    CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

TEST(ResourceStrings, EveryRequiredStringIsPresentFitsItsBufferAndFormatsItsCallersArguments) {
    ASSERT_NE(nullptr, LoadLibraryA("QernoRes.dll")) << "QernoRes.dll not beside the test";
    for (const auto& [first, last, room] : kRequired)
        for (UINT id = first; id <= last; ++id) {
            const std::string text = Load(id);
            EXPECT_FALSE(text.empty()) << "string " << id << " is missing";
            EXPECT_LE(text.size(), room) << "string " << id << " is cut: " << text;
        }

    // Exactly the conversions the callers pass: the configuration file, the key and the folder; the
    // log window's line count, through wsprintf.
    EXPECT_TRUE(std::regex_match(Load(12058), std::regex("[^%]*(%s[^%]*){3}"))) << Load(12058);
    EXPECT_TRUE(std::regex_match(Load(12059), std::regex("[^%]*%l?[diu][^%]*"))) << Load(12059);
}

// Description and pattern fields alternate and the last is closed; the patterns, ';'-separated
// wildcards as the directory list expects, are exactly the extensions the classifier gives the
// filter's type, besides "*.*".
TEST(ResourceStrings, FiltersPairDescriptionsWithTheExtensionsOfTheirType) {
    const std::string wildcard = R"([^\s|;]*[*?][^\s|;]*)";
    const std::string pairs = "([^|]+)\\|(" + wildcard + "(?:;" + wildcard + ")*)\\|";
    const std::regex pair(pairs), item("[^;]+");
    for (const auto& [id, extensions] : kFilters) {
        const std::string filter = Load(id);
        SCOPED_TRACE(testing::Message() << id << ": " << filter);
        EXPECT_TRUE(std::regex_match(filter, std::regex("(?:" + pairs + ")+")));
        std::set<std::string> patterns, expected;
        for (std::sregex_iterator at(filter.begin(), filter.end(), pair), end; at != end; ++at) {
            const std::string list = (*at)[2];
            for (std::sregex_iterator p(list.begin(), list.end(), item); p != end; ++p)
                if (p->str() != "*.*")
                    patterns.insert(Lower(p->str()));
        }
        for (UINT extension : extensions)
            expected.insert("*" + Lower(Load(extension)));
        EXPECT_EQ(expected, patterns);
    }
}

} // namespace
