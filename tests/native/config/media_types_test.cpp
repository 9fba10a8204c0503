#include "config/MediaExtensions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Texts of some of the resource module's extension ids; a test may change them.
std::map<unsigned int, std::string> texts;

bool Load(unsigned int id, char* buffer, int size) {
    const auto found = texts.find(id);
    if (found == texts.end())
        return false;
    return std::snprintf(buffer, size, "%s", found->second.c_str()) >= 0;
}

struct MediaExtensions : testing::Test {
    void SetUp() override {
        texts = {{11350, ".bmp"}, {11355, ".jpg"},  {11365, ".txt"}, {11361, ".flc"},
                 {11364, ".avi"}, {11373, ".mpeg"}, {11358, ".wav"}, {11360, "CDAUDIO"},
                 {11366, ".wmf"}, {11367, ".pal"},  {11370, ".cur"}, {11371, ".ico"}};
    }
};

// Upper case, folders and the plain rows of the exports are checked under Wine.
TEST_F(MediaExtensions, FromTheLastDotIgnoringAsciiCaseButCdAudioByItsWholeName) {
    EXPECT_EQ(1, MatchExtension("archive.txt.bmp", kPictureExtensions, Load));
    for (const char* name : {"C:\\A.BMP\\FILE", "photo.jpeg", "photo.jp", "bmp"})
        EXPECT_EQ(0, MatchExtension(name, kPictureExtensions, Load)) << name;
    EXPECT_EQ(0, MatchExtension(nullptr, kPictureExtensions, Load));
    texts[11350] = ".bm\xe4";
    EXPECT_EQ(0, MatchExtension("a.BM\xc4", kPictureExtensions, Load));
    EXPECT_TRUE(HasExtension("a.Bm\xe4", 11350, Load));

    EXPECT_EQ(kCdAudioSubType, MatchSound("cdaudio", Load));
    EXPECT_EQ(0, MatchSound("CDAUDIO2", Load));
    EXPECT_EQ(1, MatchSound("voice.wav", Load));
    texts[11360] = "Disc.wav";
    EXPECT_EQ(kCdAudioSubType, MatchSound("DISC.WAV", Load));
}

TEST_F(MediaExtensions, EveryMediaTypeButIconsInItsOrder) {
    const std::map<std::string, int> expected = {
        {"a.bmp", 3}, {"a.txt", 2}, {"a.flc", 5}, {"a.avi", 4}, {"CDAUDIO", 6},
        {"a.wav", 6}, {"a.wmf", 7}, {"a.cur", 8}, {"a.pal", 9}, {"a.ico", 0}};
    for (const auto& [name, type] : expected)
        EXPECT_EQ(type, ClassifyMediaName(name.c_str(), Load)) << name;

    // Where two media types claim one extension the earlier one wins.
    texts[11365] = ".bmp";
    texts[11364] = ".flc";
    texts[11358] = ".pal";
    EXPECT_EQ(3, ClassifyMediaName("a.bmp", Load));
    EXPECT_EQ(5, ClassifyMediaName("a.flc", Load));
    EXPECT_EQ(6, ClassifyMediaName("a.pal", Load));
}

} // namespace
