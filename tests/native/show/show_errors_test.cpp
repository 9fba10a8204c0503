#include "show/ShowReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ErrorLine(const std::string& text) {
    const ShowReading reading = ReadShow(ParseProfileText(text));
    return reading.document ? "read" : FormatShowError("talk.ini", reading.error);
}

// Every page below is the default one, 8.333x6.25 in, unless the document sets another.
TEST(ShowErrors, EachNamesTheKeyTheFormAndTheValue) {
    const struct {
        std::string document;
        std::string line;
    } rows[] = {
        {"[Show]\n", "[Slide1]: expected at least one slide, found nothing"},
        {"[Slide1]\n[Slide2]\n[Slide4]\n",
         "[Slide3]: expected [Slide3] (slides go from [Slide1] to [Slide4] without gaps), found "
         "nothing"},
        {"[Slide1]\n[Slide100]\n",
         "[Slide100]: expected [Slide1] to [Slide99] (numbered from 1 without leading zeros), "
         "found \"Slide100\""},
        {"[Slide01]\n", "[Slide01]: expected [Slide1] to [Slide99] (numbered from 1 without "
                        "leading zeros), found \"Slide01\""},
        {"[Show]\nSize=0x600\n[Slide1]\n", "[Show] Size: expected WIDTHxHEIGHT in pixels, each a "
                                           "whole number from 64 to 4096, found \"0x600\""},
        {"[Show]\nSize=800x100000\n[Slide1]\n",
         "[Show] Size: expected WIDTHxHEIGHT in pixels, each a whole number from 64 to 4096, found "
         "\"800x100000\""},
        {"[Show]\nUnit=px\n[Slide1]\n", "[Show] Unit: expected in, cm, mm or pt, found \"px\""},
        {"[Show]\nPage=17.362x10\n[Slide1]\n",
         "[Show] Page: expected WIDTHxHEIGHT, each a length in in above 0 and at most 17.361, "
         "found \"17.362x10\""},
        {"[Show]\nPage=10x0.0001\nUnit=mm\n[Slide1]\n",
         "[Show] Page: expected WIDTHxHEIGHT, each a length in mm above 0 and at most 440.964, "
         "found \"10x0.0001\""},
        {"[Show]\nFont=" + std::string(32, 'f') + "\n[Slide1]\n",
         "[Show] Font: expected a face name of 1 to 31 characters, found \"" +
             std::string(32, 'f') + "\""},
        {"[Slide1]\nBackground=marble\n",
         "[Slide1] Background: expected fountain, plugin, shade or none, found \"marble\""},
        {"[Slide1]\nColors=#FFFFFF, #12345G\n",
         "[Slide1] Colors: expected two colours #RRGGBB, #RRGGBB, found \"#FFFFFF, #12345G\""},
        {"[Slide1]\nColors=#FFFFFF\n",
         "[Slide1] Colors: expected two colours #RRGGBB, #RRGGBB, found \"#FFFFFF\""},
        {"[Slide1]\nTextColor=red\n",
         "[Slide1] TextColor: expected a colour #RRGGBB, found \"red\""},
        {"[Slide1]\nMidpoint=129\n",
         "[Slide1] Midpoint: expected a whole number from 0 to 128, found \"129\""},
        {"[Slide1]\nDuration=99999999999999999999\n",
         "[Slide1] Duration: expected a whole number from 1 to 3600, found "
         "\"99999999999999999999\""},
        {"[Slide1]\nBackground=plugin\n",
         "[Slide1] PlugIn: expected a whole number from 0 to 199, found nothing"},
        {"[Slide1]\nBorder=tiles\nBorderStyle=4\n",
         "[Slide1] BorderWidth: expected a length in in above 0 and at most 3.125, found nothing"},
        {"[Slide1]\nTitleFont=Arial, 12, bold, bold\n",
         "[Slide1] TitleFont: expected FACE, POINTS[, bold][, italic] with a face name of 1 to 31 "
         "characters and 4 to 400 points, found \"Arial, 12, bold, bold\""},
        {"[Slide1]\nTitleAt=0, 0, 8.334, 1\n",
         "[Slide1] TitleAt: expected X, Y, W, H in in within the 8.333x6.25 page, found \"0, 0, "
         "8.334, 1\""},
        {"[Slide1]\nTextAt=1.0005, 0, 1, 1\n",
         "[Slide1] TextAt: expected X, Y, W, H in in within the 8.333x6.25 page, found \"1.0005, "
         "0, 1, 1\""},
        {"[Slide1]\nPicture1=a.bmp, 1, 2, 3\n",
         "[Slide1] Picture1: expected FILE, X, Y, W, H: a file name of 1 to 259 characters, then "
         "a box in in within the 8.333x6.25 page, found \"a.bmp, 1, 2, 3\""},
        {"[Show]\nUnit=cm\n[Slide1]\nArrow1=1, 1, 2, 2, 0\n",
         "[Slide1] Arrow1: expected X1, Y1, X2, Y2, STYLE, WIDTH: two points in cm within the "
         "21.166x15.875 page, a style from 0 to 101 and a width above 0 and at most 15.875, found "
         "\"1, 1, 2, 2, 0\""},
        {"[Slide1]\nOrnament1=102, 0, 0, 1, 1\n",
         "[Slide1] Ornament1: expected STYLE, X, Y, W, H: a style from 0 to 101, then a box in in "
         "within the 8.333x6.25 page, found \"102, 0, 0, 1, 1\""},
        {"[Slide1]\nText1=a\nText3=c\n",
         "[Slide1] Text2: expected Text2 (numbered keys go from Text1 to Text3 without gaps), "
         "found nothing"},
        {"[Slide1]\nPicture33=a.bmp, 0, 0, 1, 1\n",
         "[Slide1] Picture33: expected Picture1 to Picture32 (numbered from 1 without leading "
         "zeros), found \"a.bmp, 0, 0, 1, 1\""},
        {"[Slide1]\nVideo=\n",
         "[Slide1] Video: expected a file name of 1 to 259 characters, found \"\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ("talk.ini: " + row.line, ErrorLine(row.document));
}

TEST(ShowErrors, TheLineStaysOneLineOfAFewWords) {
    EXPECT_EQ("talk.ini: [Slide1] Transition: expected shimmer, sparkle or none, found "
              "\"\\x01\\x7F" +
                  std::string(78, 'z') + "...\"",
              ErrorLine("[Slide1]\nTransition=\x01\x7F" + std::string(200, 'z') + "\n"));
}

} // namespace
