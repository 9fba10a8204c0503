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

std::string Hex(unsigned int value) {
    char text[kLogLevelTextSize];
    FormatLogValueHex(value, text, sizeof text);
    return text;
}

std::tm Date(int year, int month, int day, int hour, int minute, int second, int weekday) {
    std::tm date = {};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_hour = hour;
    date.tm_min = minute;
    date.tm_sec = second;
    date.tm_wday = weekday;
    return date;
}

std::string Marker(const std::tm& now) {
    char line[kLogMarkerSize];
    const unsigned int length = BuildLogSizeMarker(now, line);
    EXPECT_EQ(std::strlen(line), length);
    return std::string(line, length);
}

TEST(LogRecord, FieldsJoinedAndEndedByCarriageReturnLineFeed) {
    EXPECT_EQ("Error -- Frame -- count 5\r\n", Record("Error", "Frame", "count 5"));
}

TEST(LogRecord, EveryLineFeedBecomesABlank) {
    EXPECT_EQ("A B -- C D -- x y \r\n", Record("A\nB", "C\nD", "x\ny\n"));
    EXPECT_EQ("L -- C -- a  b\r\n", Record("L", "C", "a\n\nb"));
}

TEST(LogRecord, CutAt2045CharactersBeforeTheLineEnd) {
    const std::string prefix = "L -- C -- ";
    const std::string fits(kLogRecordMaxText - prefix.size(), 'x');
    EXPECT_EQ(prefix + fits + "\r\n", Record("L", "C", fits.c_str()));

    const std::string longer = fits + "y\nz";
    EXPECT_EQ(prefix + fits + "\r\n", Record("L", "C", longer.c_str()));

    const std::string huge(10000, '\n');
    const std::string line = Record("L", "C", huge.c_str());
    ASSERT_EQ(kLogRecordMaxText + 2, line.size());
    EXPECT_EQ(std::string(kLogRecordMaxText - prefix.size(), ' '),
              line.substr(prefix.size(), kLogRecordMaxText - prefix.size()));
    EXPECT_EQ("\r\n", line.substr(kLogRecordMaxText));
}

TEST(LogRecord, StringIdsOfNamedValuesZeroForOthers) {
    EXPECT_EQ(11600u, LogLevelStringId(1));
    EXPECT_EQ(11603u, LogLevelStringId(8));
    EXPECT_EQ(11632u, LogCateStringId(0x1));
    EXPECT_EQ(11622u, LogCateStringId(0x400000));
    // The two categories whose ids run against their values.
    EXPECT_EQ(11621u, LogCateStringId(0x80000));
    EXPECT_EQ(11619u, LogCateStringId(0x100000));
    for (unsigned int value : {0u, 3u, 15u, 0x800u, 0x7D0003u})
        EXPECT_EQ(0u, LogLevelStringId(value) + LogCateStringId(value)) << std::hex << value;
}

TEST(LogRecord, UnnamedValuesAsEightUpperCaseDigits) {
    EXPECT_EQ("00000003", Hex(3));
    EXPECT_EQ("00000800", Hex(0x800));
    EXPECT_EQ("DEADBEEF", Hex(0xDEADBEEF));
    EXPECT_EQ("00000003 -- 00000800 -- m\r\n", Record(Hex(3).c_str(), Hex(0x800).c_str(), "m"));

    char small[5] = "????"; // room for four digits
    FormatLogValueHex(0x12345678, small, sizeof small);
    EXPECT_STREQ("1234", small);
}

TEST(LogSizeMarker, TextAndTwentyFourCharacterDate) {
    EXPECT_EQ("LogFile size limitation -- Message flushed on Thu Dec 03 21:53:00 1998\r\n",
              Marker(Date(1998, 12, 3, 21, 53, 0, 4)));
}

TEST(LogSizeMarker, FieldsOutOfRangeNeverLengthenTheLine) {
    EXPECT_EQ("LogFile size limitation -- Message flushed on ??? ??? 03 21:53:00 1998\r\n",
              Marker(Date(1998, 13, 3, 21, 53, 0, 7)));
    EXPECT_EQ(72u, Marker(Date(123456, 1, 99, 123, -5, 61, -1)).size());

    std::tm extreme = Date(1998, 12, 3, 21, 53, 0, 4);
    extreme.tm_year = std::numeric_limits<int>::max();
    extreme.tm_mday = std::numeric_limits<int>::min();
    EXPECT_EQ(72u, Marker(extreme).size());
}

TEST(LogOptions, MaskedBitsFromValueOthersKept) {
    DWORD level = 15;
    EXPECT_EQ(15u, SetOptionBits(level, 2, 15));
    EXPECT_EQ(2u, level);

    DWORD cate = 0x7D0003;
    EXPECT_EQ(0x7D0003u, SetOptionBits(cate, 0x20000, 0x20000));
    EXPECT_EQ(0x7F0003u, cate);

    DWORD output = 3;
    EXPECT_EQ(3u, SetOptionBits(output, 0, 1));
    EXPECT_EQ(2u, output);
    EXPECT_EQ(2u, SetOptionBits(output, 0xFFFFFFFF, 0));
    EXPECT_EQ(2u, output);
}

} // namespace
