// Named levels and categories, the plain cut and the option words are checked on the real log
// under Wine; these are the cuts, fields and dates it cannot reach.
#include "log/LogRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

std::string Record(const char* level, const char* cate, const char* message) {
    char record[kLogRecordSize];
    const unsigned int length = BuildLogRecord(level, cate, message, record);
    EXPECT_EQ(std::strlen(record), length);
    return std::string(record, length);
}

std::string Marker(const std::tm& now) {
    char line[kLogMarkerSize];
    const unsigned int length = BuildLogSizeMarker(now, line);
    EXPECT_EQ(std::strlen(line), length);
    return std::string(line, length);
}

TEST(LogRecord, EveryLineFeedInEveryFieldBecomesABlank) {
    EXPECT_EQ("A B -- C D -- x y \r\n", Record("A\nB", "C\nD", "x\ny\n"));
    EXPECT_EQ("L -- C -- a  b\r\n", Record("L", "C", "a\n\nb"));
}

TEST(LogRecord, CutAt2045CharactersBeforeTheLineEnd) {
    const std::string prefix = "L -- C -- ";
    const std::string fits(kLogRecordMaxText - prefix.size(), 'x');
    EXPECT_EQ(prefix + fits + "\r\n", Record("L", "C", fits.c_str()));
    EXPECT_EQ(prefix + fits + "\r\n", Record("L", "C", (fits + "y\nz").c_str()));

    const std::string line = Record("L", "C", std::string(10000, '\n').c_str());
    EXPECT_EQ(prefix + std::string(kLogRecordMaxText - prefix.size(), ' ') + "\r\n", line);
}

TEST(LogRecord, UnnamedValuesAsEightUpperCaseDigitsCutToTheBuffer) {
    for (unsigned int value : {0u, 3u, 15u, 0x800u, 0x7D0003u})
        EXPECT_EQ(0u, LogLevelStringId(value) + LogCateStringId(value)) << std::hex << value;
    char text[kLogLevelTextSize];
    FormatLogValueHex(0xDEADBEEF, text, sizeof text);
    EXPECT_STREQ("DEADBEEF", text);
    char small[5] = "????"; // room for four digits
    FormatLogValueHex(0x12345678, small, sizeof small);
    EXPECT_STREQ("1234", small);
}

TEST(LogSizeMarker, TwentyFourCharacterDateAndNoLongerWhenFieldsAreOutOfRange) {
    std::tm date = {};
    date.tm_year = 1998 - 1900;
    date.tm_mon = 11;
    date.tm_mday = 3;
    date.tm_hour = 21;
    date.tm_min = 53;
    date.tm_wday = 4;
    EXPECT_EQ("LogFile size limitation -- Message flushed on Thu Dec 03 21:53:00 1998\r\n",
              Marker(date));
    date.tm_mon = 12;
    date.tm_wday = 7;
    EXPECT_EQ("LogFile size limitation -- Message flushed on ??? ??? 03 21:53:00 1998\r\n",
              Marker(date));
    date = {};
    date.tm_year = std::numeric_limits<int>::max();
    date.tm_mday = std::numeric_limits<int>::min();
    date.tm_hour = 123;
    date.tm_min = -5;
    date.tm_sec = 61;
    date.tm_wday = -1;
    EXPECT_EQ(72u, Marker(date).size());
}

TEST(LogOptions, AnEmptyMaskKeepsEveryBit) {
    DWORD output = 2;
    EXPECT_EQ(2u, SetOptionBits(output, 0xFFFFFFFF, 0));
    EXPECT_EQ(2u, output);
    EXPECT_EQ(2u, SetOptionBits(output, 1, 1));
    EXPECT_EQ(3u, output);
}

} // namespace
