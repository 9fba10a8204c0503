// Named levels and categories, the plain cut and the option words are checked on the real log
// under Wine; these are the cuts, fields and dates it cannot reach.
#include "log/LogRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <tuple>

namespace {

std::string Record(const char* level, const char* cate, const char* message) {
    char record[kLogRecordSize];
    const unsigned int length = BuildLogRecord(level, cate, message, record);
    EXPECT_EQ(std::strlen(record), length);
    return std::string(record, length);
}

std::string Marker(int year, int month, int day, int hour, int minute, int second, int weekday) {
    std::tm now = {};
    std::tie(now.tm_year, now.tm_mon, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec,
             now.tm_wday) = std::tie(year, month, day, hour, minute, second, weekday);
    char line[kLogMarkerSize];
    const unsigned int length = BuildLogSizeMarker(now, line);
    EXPECT_EQ(std::strlen(line), length);
    return std::string(line, length);
}

TEST(LogRecord, LineFeedsBecomeBlanksWithinTheCutAndUnnamedValuesEightHexDigits) {
    EXPECT_EQ("A B -- C D -- x  y \r\n", Record("A\nB", "C\nD", "x\n\ny\n"));
    const std::string prefix = "L -- C -- ";
    EXPECT_EQ(prefix + std::string(kLogRecordMaxText - prefix.size(), ' ') + "\r\n",
              Record("L", "C", std::string(10000, '\n').c_str()));

    char text[kLogLevelTextSize];
    FormatLogValueHex(0xDEADBEEF, text, sizeof text);
    EXPECT_STREQ("DEADBEEF", text);
    char small[5] = "????"; // room for four digits
    FormatLogValueHex(0x12345678, small, sizeof small);
    EXPECT_STREQ("1234", small);
}

TEST(LogSizeMarker, MarkerDateNoLongerWhenFieldsAreOutOfRangeAndAnEmptyOptionMaskKeepsEveryBit) {
    const std::string prefix = "LogFile size limitation -- Message flushed on ";
    EXPECT_EQ(prefix + "Thu Dec 03 21:53:00 1998\r\n", Marker(98, 11, 3, 21, 53, 0, 4));
    EXPECT_EQ(prefix + "??? ??? 03 21:53:00 1998\r\n", Marker(98, 12, 3, 21, 53, 0, 7));
    constexpr int kMost = std::numeric_limits<int>::max(), kLeast = std::numeric_limits<int>::min();
    EXPECT_EQ(prefix + "??? Jan -2147483648 123:\r\n", Marker(kMost, 0, kLeast, 123, -5, 61, -1));

    DWORD output = 2;
    EXPECT_EQ(2u, SetOptionBits(output, 0xFFFFFFFF, 0));
    EXPECT_EQ(2u, output);
    EXPECT_TRUE(SetOptionBits(output, 1, 1) == 2 && output == 3) << "the old bits returned";
}

} // namespace
