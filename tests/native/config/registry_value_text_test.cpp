#include "config/RegistryValueText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned long regSz = 1, regExpandSz = 2, regBinary = 3, regDword = 4,
                        regDwordBigEndian = 5, regLink = 6, regMultiSz = 7, regResourceList = 8;

// Data and text each in a block of exactly their size, so that the sanitizer sees any access past
// either, an unterminated text included.
std::string Text(unsigned long type, const std::string& data, unsigned long outSize = 1024) {
    const std::vector<char> exact(data.begin(), data.end());
    std::vector<char> out(outSize);
    EXPECT_EQ(1, ConvertKeyValueDataText(type, exact.data(), data.size(), out.data(), outSize));
    return out.data();
}

TEST(RegistryValueText, FixedTextsQuotedStringsListsInBracesHexAndLinksUntilTheyNeedTheCut) {
    EXPECT_EQ("<REG_FULL_RESOURCE_DESCRIPTOR>", Text(9, "ignored"));
    EXPECT_EQ("<Undefined Type: deadbeef>", Text(0xDEADBEEF, "x"));
    EXPECT_EQ("<No va", Text(0, "", 7));

    char out[16]; // room for any text of an empty value
    EXPECT_EQ(1, ConvertKeyValueDataText(regSz, nullptr, 10, out, sizeof out));
    EXPECT_STREQ("\"\"", out);
    EXPECT_EQ(1, ConvertKeyValueDataText(regBinary, "x", 1, nullptr, 10));

    EXPECT_EQ("\"abc\"", Text(regSz, std::string("abc\0def", 8)));
    EXPECT_EQ("\"abc\"", Text(regSz, "abc"));
    // Seven characters are outSize - 3: quotes and terminator still fit.
    EXPECT_EQ("\"abcdefg\"", Text(regSz, std::string("abcdefg\0", 8), 10));
    // Eight are outSize - 2: outSize - 8 characters, " ... " and a quote, outSize - 1 in all.
    EXPECT_EQ("\"ab ... \"", Text(regExpandSz, std::string("abcdefgh\0", 9), 10));
    EXPECT_EQ("\" ..", Text(regSz, "abcdef", 5));

    EXPECT_EQ("{ \"a\"  \"b\"  }", Text(regMultiSz, std::string("a\0b\0\0", 5)));
    EXPECT_EQ("{ \"a\"  }", Text(regMultiSz, std::string("a\0\0b\0\0", 6)));
    EXPECT_EQ("{ \"a\"  \"bc\"  }", Text(regMultiSz, std::string("a\0bc", 4)));
    EXPECT_EQ("{ \"ab", Text(regMultiSz, std::string("abc\0d\0\0", 7), 6));

    EXPECT_EQ("00 7f 80 ", Text(regResourceList, std::string("\x00\x7f\x80", 3)));
    EXPECT_EQ("0a ff ", Text(regBinary, "\x0a\xff\x01", 7));
    EXPECT_EQ("0a ", Text(regBinary, "\x0a\xff\x01", 6));

    EXPECT_EQ(256u * 3, Text(regBinary, std::string(300, '\x01'), 2000).size()) << "256 at most";

    EXPECT_EQ("04030201", Text(regDwordBigEndian, "\x01\x02\x03\x04"));
    EXPECT_EQ("ABCDEF12", Text(regDword, "\x12\xef\xcd\xab\x99"));
    EXPECT_EQ("00001234", Text(regDword, "\x34\x12"));
    EXPECT_EQ("0403", Text(regDword, "\x01\x02\x03\x04", 5));

    EXPECT_EQ("path", Text(regLink, std::string("path\0junk", 9)));
    EXPECT_EQ("pa", Text(regLink, "path", 3));
}

} // namespace
