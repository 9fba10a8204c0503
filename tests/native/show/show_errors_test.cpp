#include "show/ShowReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ErrorLine(const std::string& text) {
    const ShowReading reading = ReadShow(ParseProfileText(text));
    return reading.document ? "read" : FormatShowError("talk.ini", reading.error);
}

// Every page below is the default one, 8.333x6.25 in, unless the document sets another. The line
// names the section, the key, the form expected and the value found.
TEST(ShowErrors, EachNamesTheKeyTheFormAndTheValue) {
    const std::string size = "WIDTHxHEIGHT in pixels, each a whole number from 64 to 4096";
    const std::string page = "WIDTHxHEIGHT, each a length in ";
    const std::string colours = "two colours #RRGGBB, #RRGGBB";
    const std::string box = "X, Y, W, H in inches within the 8.333x6.25 page";
    const std::string then = "then a box in inches within the 8.333x6.25 page";
    const std::string f32(32, 'f');
    // The section's key, and what else the show sets.
    const struct {
        bool slide;
        std::string key, value, form, show = "";
    } keys[] = {
        {false, "Size", "0x600", size},
        {false, "Size", "800x100000", size},
        {false, "Unit", "px", "in, cm, mm or pt"},
        {false, "Page", "17.362x10", page + "inches above 0 and at most 17.361"},
        {false, "Page", "10x0.0001", page + "millimetres above 0 and at most 440.964", "Unit=mm\n"},
        {false, "Font", f32, "a face name of 1 to 31 characters"},
        {true, "Background", "marble", "fountain, plugin, shade or none"},
        {true, "Colors", "#FFFFFF, #12345G", colours},
        {true, "Colors", "#FFFFFF", colours},
        {true, "TextColor", "red", "a colour #RRGGBB"},
        {true, "Midpoint", "129", "a whole number from 0 to 128"},
        {true, "Duration", "99999999999999999999", "a whole number from 1 to 3600"},
        {true, "TitleFont", "Arial, 12, bold, bold",
         "FACE, POINTS[, bold][, italic] with a face name of 1 to 31 characters and 4 to 400 "
         "points"},
        {true, "TitleAt", "0, 0, 8.334, 1", box},
        {true, "TextAt", "1.0005, 0, 1, 1", box},
        {true, "Picture1", "a.bmp, 1, 2, 3",
         "FILE, X, Y, W, H: a file name of 1 to 259 characters, " + then},
        {true, "Arrow1", "1, 1, 2, 2, 0",
         "X1, Y1, X2, Y2, STYLE, WIDTH: two points in centimetres within the 21.166x15.875 page, a "
         "style "
         "from 0 to 101 and a width above 0 and at most 15.875",
         "Unit=cm\n"},
        {true, "Ornament1", "102, 0, 0, 1, 1", "STYLE, X, Y, W, H: a style from 0 to 101, " + then},
        {true, "Picture33", "a.bmp, 0, 0, 1, 1",
         "Picture1 to Picture32 (numbered from 1 without leading zeros)"},
        {true, "Video", "", "a file name of 1 to 259 characters"},
    };
    for (const auto& k : keys) {
        const std::string entry = k.key + "=" + k.value + "\n";
        EXPECT_EQ("talk.ini: [" + std::string(k.slide ? "Slide1" : "Show") + "] " + k.key +
                      ": expected " + k.form + ", found \"" + k.value + "\"",
                  ErrorLine("[Show]\n" + k.show + (k.slide ? "" : entry) + "[Slide1]\n" +
                            (k.slide ? entry : "")));
    }

    // Sections, and keys missing where others call for them.
    const std::string numbered = "to [Slide99] (numbered from 1 without leading zeros), found ";
    const std::pair<std::string, std::string> documents[] = {
        {"[Show]\n", "[Slide1]: expected at least one slide, found nothing"},
        {"[Slide1]\n[Slide2]\n[Slide4]\n",
         "[Slide3]: expected [Slide3] (slides go from [Slide1] to [Slide4] without gaps), found "
         "nothing"},
        {"[Slide1]\n[Slide100]\n", "[Slide100]: expected [Slide1] " + numbered + "\"Slide100\""},
        {"[Slide01]\n", "[Slide01]: expected [Slide1] " + numbered + "\"Slide01\""},
        {"[Slide1]\nBackground=plugin\n",
         "[Slide1] PlugIn: expected a whole number from 0 to 199, found nothing"},
        {"[Slide1]\nBorder=tiles\nBorderStyle=4\n",
         "[Slide1] BorderWidth: expected a length in inches above 0 and at most 3.125, found "
         "nothing"},
        {"[Slide1]\nText1=a\nText3=c\n",
         "[Slide1] Text2: expected Text2 (numbered keys go from Text1 to Text3 without gaps), "
         "found nothing"},
    };
    for (const auto& [document, line] : documents)
        EXPECT_EQ("talk.ini: " + line, ErrorLine(document));
}

TEST(ShowErrors, TheLineStaysOneLineOfAFewWords) {
    EXPECT_EQ("talk.ini: [Slide1] Transition: expected shimmer, sparkle or none, found "
              "\"\\x01\\x7F" +
                  std::string(78, 'z') + "...\"",
              ErrorLine("[Slide1]\nTransition=\x01\x7F" + std::string(200, 'z') + "\n"));
}

} // namespace
