#include "show/ShowReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ShowReading Read(const std::string& text) {
    return ReadShow(ParseProfileText(text));
}

// The one slide of a document that must read.
ShowSlide OnlySlide(const std::string& text) {
    const ShowReading reading = Read(text);
    EXPECT_TRUE(reading.document) << FormatShowError("talk.ini", reading.error);
    return reading.document && reading.document->slides.size() == 1 ? reading.document->slides[0]
                                                                    : ShowSlide();
}

using Ints = std::vector<int>;

Ints Box(const ShowBox& box) {
    return {box.x, box.y, box.width, box.height};
}

TEST(ShowReader, DefaultsOfAnEmptySlideAndEveryUnitMeasuringTheSamePage) {
    const ShowReading reading = Read("[Slide1]\n");
    ASSERT_TRUE(reading.document);
    // The page at 96 pixels an inch.
    const ShowSettings& show = reading.document->show;
    EXPECT_EQ((Ints{800, 12000, 9000, kUnitInch}),
              (Ints{show.width, show.pageWidth, show.pageHeight, show.unit}));
    EXPECT_EQ("Arial", show.font);

    const ShowSlide& slide = reading.document->slides.at(0);
    EXPECT_EQ(ShowBackgroundKind::None, slide.background.kind);
    EXPECT_EQ((Ints{0xFFFFFF, 64, 24, 5}),
              (Ints{int(slide.background.first), slide.background.midpoint,
                    slide.textStyle.font.points, slide.duration}));
    EXPECT_EQ((Ints{0, 0, 12000, 1800}), Box(slide.titleStyle.at));
    EXPECT_EQ((Ints{0, 1800, 12000, 7200}), Box(slide.textStyle.at));
    EXPECT_EQ("Arial", slide.textStyle.font.face);

    for (const char* page :
         {"Unit=in\nPage=10x7.5", "Unit=CM\nPage=25.4 x 19.05", "Page=254X190.5\nUnit=mm",
          "Unit=pt\nPage=0720x540.000", "Page=10x7.5\nSize=1024x768\nUnit=in"}) {
        const ShowReading reading = Read(std::string("[Show]\n") + page + "\n[Slide1]\n");
        ASSERT_TRUE(reading.document) << FormatShowError("talk.ini", reading.error);
        EXPECT_EQ(14400, reading.document->show.pageWidth) << page;
        EXPECT_EQ(10800, reading.document->show.pageHeight) << page;
    }
}

TEST(ShowReader, ASlideOfEveryKind) {
    const ShowSlide slide = OnlySlide("[Show]\nPage=10x7.5\nFont=Tahoma\n[SLIDE1]\n"
                                      "background=Fountain\nColors=#ff8000 ,#000080\n"
                                      "Direction=vertical\nMidpoint=128\n"
                                      "Border=line\nBorderStyle=101\nBorderWidth=3.75\n"
                                      "Title=Plans\nTitleFont=Times New Roman, 40, italic, bold\n"
                                      "TitleColor=#0000FF\nTitleAt=0.5, 0.25, 9, 1\n"
                                      "TextAt=0, 1.5, 10, 6\nText2=second\nText1=first\n"
                                      "Picture1=logo, big.bmp, 8, 0, 2, 1\n"
                                      "Arrow1=1, 1, 10, 7.5, 3, 0.05\nOrnament1=7, 0, 0, 0.5, 0.5\n"
                                      "Narration=C:\\Talk\\voice.wav\nTransition=SPARKLE\n"
                                      "Duration=3600\n");
    // Colours as COLORREFs; the border's width is half the page's height.
    const ShowBackground& background = slide.background;
    EXPECT_TRUE(background.kind == ShowBackgroundKind::Fountain && background.vertical &&
                slide.border.kind == ShowBorderKind::Line);
    EXPECT_EQ((Ints{0x0080FF, 0x800000, 128, 5400}),
              (Ints{int(background.first), int(background.second), background.midpoint,
                    slide.border.width}));

    EXPECT_EQ("Times New Roman", slide.titleStyle.font.face);
    EXPECT_TRUE(slide.titleStyle.font.bold && slide.titleStyle.font.italic);
    EXPECT_EQ(0xFF0000u, slide.titleStyle.color);
    EXPECT_EQ((Ints{720, 360, 12960, 1440}), Box(slide.titleStyle.at));
    EXPECT_EQ("Tahoma", slide.textStyle.font.face) << "the show's face";
    EXPECT_EQ((Ints{0, 2160, 14400, 8640}), Box(slide.textStyle.at));
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), slide.texts);

    ASSERT_EQ(1u, slide.pictures.size());
    EXPECT_EQ("logo, big.bmp", slide.pictures[0].file);
    EXPECT_EQ((Ints{11520, 0, 2880, 1440}), Box(slide.pictures[0].at));
    ASSERT_TRUE(slide.arrows.size() == 1 && slide.ornaments.size() == 1);
    const ShowArrow& arrow = slide.arrows[0];
    EXPECT_EQ((Ints{14400, 10800, 72}), (Ints{arrow.x2, arrow.y2, arrow.width}));
    EXPECT_EQ((Ints{0, 0, 720, 720}), Box(slide.ornaments[0].at));
    EXPECT_EQ("C:\\Talk\\voice.wav", slide.narration);
    EXPECT_EQ(ShowTransition::Sparkle, slide.transition);
}

TEST(ShowReader, CountsUpToTheirLimitsTextsCutAndWhatIsUnknownWarnedOf) {
    std::string text = "[Show]\nTitle=" + std::string(200, 't') + "\n";
    for (int number = kMaxSlides; number >= 1; --number)
        text += "[Slide" + std::to_string(number) + "]\n";
    for (int number = 1; number <= kMaxSlideItems; ++number)
        text += "Text" + std::to_string(number) + "=" + std::string(300, 'x') + "\n";
    const ShowReading reading = Read(text);
    ASSERT_TRUE(reading.document);
    EXPECT_EQ(kMaxTitleLength, reading.document->show.title.size());
    ASSERT_EQ(static_cast<std::size_t>(kMaxSlides), reading.document->slides.size());
    EXPECT_TRUE(reading.document->slides.back().texts.empty()) << "in the order of numbers";
    const std::vector<std::string>& texts = reading.document->slides[0].texts;
    ASSERT_EQ(static_cast<std::size_t>(kMaxSlideItems), texts.size());
    EXPECT_EQ(kMaxTextLineLength, texts.back().size());

    const ShowReading unknown =
        Read("[Notes]\nx=1\n[Show]\nColour=red\n[Slide1]\nTxt1=a\nText=b\nTitleFonts=c\n");
    ASSERT_TRUE(unknown.document);
    std::vector<std::string> lines;
    for (const ShowWarning& warning : unknown.warnings)
        lines.push_back(FormatShowWarning("talk.ini", warning));
    EXPECT_EQ((std::vector<std::string>{
                  "talk.ini: [Notes]: unknown section, ignored",
                  "talk.ini: [Show] Colour: unknown key, ignored",
                  "talk.ini: [Slide1] Txt1: unknown key, ignored",
                  "talk.ini: [Slide1] Text: unknown key, ignored",
                  "talk.ini: [Slide1] TitleFonts: unknown key, ignored",
              }),
              lines);
}

} // namespace
