#include "config/RegistryValueText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned long regSz = 1, regExpandSz = 2, regBinary = 3, regDword = 4,
                        regDwordBigEndian = 5, regLink = 6, regMultiSz = 7, regResourceList = 8;

// The data is copied to a block of exactly its size, so that the sanitizer sees any read past it.
std::string Text(unsigned long type, const std::string& data, unsigned long outSize = 1024) {
    std::unique_ptr<char[]> exact(new char[data.size()]);
    data.copy(exact.get(), data.size());
    // A guard byte after the buffer, then a terminator so that an unterminated text shows.
    std::vector<char> out(outSize + 2, '#');
    out[outSize + 1] = '\0';
    EXPECT_EQ(1, ConvertKeyValueDataText(type, exact.get(), data.size(), out.data(), outSize));
    EXPECT_EQ('#', out[outSize]) << "written past outSize";
    return out.data();
}

TEST(RegistryValueText, FixedTexts) {
    EXPECT_EQ("<REG_FULL_RESOURCE_DESCRIPTOR>", Text(9, "ignored"));
    EXPECT_EQ("<Undefined Type: a>", Text(10, ""));
    EXPECT_EQ("<Undefined Type: deadbeef>", Text(0xDEADBEEF, "x"));
    EXPECT_EQ("<No va", Text(0, "", 7));
}

TEST(RegistryValueText, StringsQuotedUntilTheyNeedTheCut) {
    EXPECT_EQ("\"abc\"", Text(regSz, std::string("abc\0def", 8)));
    // Seven characters are outSize - 3: quotes and terminator still fit.
    EXPECT_EQ("\"abcdefg\"", Text(regSz, std::string("abcdefg\0", 8), 10));
    // Eight are outSize - 2: outSize - 8 characters, " ... " and a quote, outSize - 1 in all.
    EXPECT_EQ("\"ab ... \"", Text(regSz, std::string("abcdefgh\0", 9), 10));
    EXPECT_EQ("\"ab ... \"", Text(regExpandSz, std::string(500, 'a').replace(1, 1, "b"), 10));
}

TEST(RegistryValueText, StringsWithoutTerminatorOrRoom) {
    EXPECT_EQ("\"abc\"", Text(regSz, "abc"));
    EXPECT_EQ("\"\"", Text(regSz, ""));
    EXPECT_EQ("\" ... \"", Text(regSz, "abcdef", 8));
    EXPECT_EQ("\" ..", Text(regSz, "abcdef", 5));
}

TEST(RegistryValueText, BytesAsLowerCaseHexWithBlanks) {
    EXPECT_EQ("0a ff ", Text(regBinary, "\x0a\xff"));
    EXPECT_EQ("00 7f 80 ", Text(regResourceList, std::string("\x00\x7f\x80", 3)));

    std::string many(300, '\0');
    for (size_t index = 0; index < many.size(); ++index)
        many[index] = static_cast<char>(index);
    const std::string shown = Text(regBinary, many, 2000);
    ASSERT_EQ(256u * 3, shown.size());
    EXPECT_EQ("fe ff ", shown.substr(shown.size() - 6));
}

TEST(RegistryValueText, BytesOnlyInWholeGroupsThatFit) {
    EXPECT_EQ("0a ff ", Text(regBinary, "\x0a\xff\x01", 7));
    EXPECT_EQ("0a ", Text(regBinary, "\x0a\xff\x01", 6));
    EXPECT_EQ("", Text(regBinary, "\x0a", 3));
}

TEST(RegistryValueText, DoubleWordAsStoredLeastSignificantByteFirst) {
    EXPECT_EQ("000000FF", Text(regDword, std::string("\xff\0\0\0", 4)));
    EXPECT_EQ("04030201", Text(regDwordBigEndian, "\x01\x02\x03\x04"));
    EXPECT_EQ("ABCDEF12", Text(regDword, "\x12\xef\xcd\xab\x99"));
    EXPECT_EQ("00001234", Text(regDword, "\x34\x12"));
    EXPECT_EQ("0403", Text(regDword, "\x01\x02\x03\x04", 5));
}

TEST(RegistryValueText, LinkCopiedAsTextAndCut) {
    EXPECT_EQ("path", Text(regLink, std::string("path\0junk", 9)));
    EXPECT_EQ("pa", Text(regLink, "path", 3));
}

TEST(RegistryValueText, MultiStringListedInBraces) {
    EXPECT_EQ("{ \"a\"  \"b\"  }", Text(regMultiSz, std::string("a\0b\0\0", 5)));
    EXPECT_EQ("{ }", Text(regMultiSz, std::string("\0\0", 2)));
    // The list ends at its first empty string.
    EXPECT_EQ("{ \"a\"  }", Text(regMultiSz, std::string("a\0\0b\0\0", 6)));
    // Malformed lists end with their data.
    EXPECT_EQ("{ \"a\"  \"bc\"  }", Text(regMultiSz, std::string("a\0bc", 4)));
    EXPECT_EQ("{ \"ab", Text(regMultiSz, std::string("abc\0d\0\0", 7), 6));
}

TEST(RegistryValueText, NoDataIsEmptyData) {
    char out[16]; // room for any text of an empty value
    EXPECT_EQ(1, ConvertKeyValueDataText(regSz, nullptr, 10, out, sizeof out));
    EXPECT_STREQ("\"\"", out);
    EXPECT_EQ(1, ConvertKeyValueDataText(regBinary, "x", 1, nullptr, 10));
}

} // namespace
