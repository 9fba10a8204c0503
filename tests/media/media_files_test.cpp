#include "media_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace testmedia;

class WaveFiles : public testing::TestWithParam<Wave> {
protected:
    const Wave& wave = GetParam();
    const testing::ScopedTrace trace{__FILE__, __LINE__, wave.file};
    const Bytes& bytes = ReadMediaFile(wave.file);
    const ParsedChunk riff = ReadRiff(bytes, "WAVE");
};

class VideoFiles : public testing::TestWithParam<Video> {
protected:
    const Video& video = GetParam();
    const testing::ScopedTrace trace{__FILE__, __LINE__, video.file};
    const Bytes& bytes = ReadMediaFile(video.file);
    const ParsedChunk riff = ReadRiff(bytes, "AVI ");
    const ParsedChunk& format = riff.Child("hdrl").Child("strl").Child("strf");
    const std::uint32_t paletteSize = Le32At(bytes, format.data + 32);
};

// A sample as a fraction of full scale.
static double Level(const Bytes& bytes, std::size_t at, int bitsPerSample) {
    return bitsPerSample == 8 ? (bytes[at] - 128) / 128.0
                              : static_cast<std::int16_t>(Le16At(bytes, at)) / 32768.0;
}

INSTANTIATE_TEST_SUITE_P(EachFormat, WaveFiles, testing::ValuesIn(kWaves));
INSTANTIATE_TEST_SUITE_P(EachCoding, VideoFiles, testing::ValuesIn(kVideos));

TEST_P(WaveFiles, HeadersAgreeWithTheFormatAndTheDuration) {
    const ParsedChunk& format = riff.Child("fmt ");
    ASSERT_EQ(format.size, 16u);
    const std::uint32_t rate = wave.samplesPerSecond;
    const std::uint32_t blockAlign = wave.channels * wave.bitsPerSample / 8;
    // Format tag (PCM), channels, rate, bytes per second, block alignment, bits per sample.
    EXPECT_EQ(LeFields(bytes, format.data, {2, 2, 4, 4, 2, 2}),
              (Fields{1, std::uint32_t(wave.channels), rate, rate * blockAlign, blockAlign,
                      std::uint32_t(wave.bitsPerSample)}));
    EXPECT_EQ(riff.Child("data").size, rate * wave.milliseconds / 1000 * blockAlign);
}

TEST_P(WaveFiles, ToneIsTheSameSineOnEveryChannel) {
    const ParsedChunk& data = riff.Child("data");
    const std::size_t sampleSize = wave.bitsPerSample / 8;
    int risingCrossings = 0, channelsApart = 0;
    double peak = 0, previous = 0;
    for (std::size_t at = data.data; at < data.data + data.size; at += sampleSize * wave.channels) {
        const double level = Level(bytes, at, wave.bitsPerSample);
        risingCrossings += previous < 0 && level >= 0;
        peak = std::max(peak, std::abs(level));
        previous = level;
        for (int channel = 1; channel < wave.channels; ++channel)
            channelsApart += Level(bytes, at + channel * sampleSize, wave.bitsPerSample) != level;
    }
    EXPECT_NEAR(risingCrossings, kToneFrequency * wave.milliseconds / 1000, 1);
    EXPECT_NEAR(peak, kToneLevel, 0.01);
    EXPECT_EQ(channelsApart, 0);
}

// Every field checked, the sizes of the largest frame taken from the frames themselves.
TEST_P(VideoFiles, HeadersDescribeTwentyFramesAtTenPerSecond) {
    const ParsedChunk& main = riff.Child("hdrl").Child("avih");
    const ParsedChunk& stream = riff.Child("hdrl").Child("strl").Child("strh");
    std::uint32_t largest = 0;
    for (const ParsedChunk& frame : riff.Child("movi").children)
        largest = std::max(largest, frame.size);
    ASSERT_EQ((Fields{main.size, stream.size, format.size}),
              (Fields{56, 56, 40 + 4 * paletteSize}));
    EXPECT_GT(paletteSize, 0u); // at 24 bits too, or Wine's RLE codec claims the stream

    // Microseconds per frame, bytes per second, padding granularity, flags (has an index),
    // frames, initial frames, streams, buffer size, width, height, four reserved fields.
    EXPECT_EQ(LeFields(bytes, main.data, std::vector<int>(14, 4)),
              (Fields{100000, largest * kVideoFramesPerSecond, 0, 0x10, kVideoFrames, 0, 1, largest,
                      kVideoWidth, kVideoHeight, 0, 0, 0, 0}));
    // The stream's type and codec.
    EXPECT_EQ(FourCcAt(bytes, stream.data) + FourCcAt(bytes, stream.data + 4),
              video.rle8 ? "vidsmrle" : "vidsDIB ");
    // Flags, priority, language, initial frames, scale and rate (frames per second), start,
    // length, buffer size, quality (the default), sample size (frames vary), frame rectangle.
    EXPECT_EQ(LeFields(bytes, stream.data + 8, {4, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4, 2, 2, 2, 2}),
              (Fields{0, 0, 0, 0, 1, kVideoFramesPerSecond, 0, kVideoFrames, largest, 0xFFFFFFFF, 0,
                      0, 0, kVideoWidth, kVideoHeight}));
    // Header size, width, height (positive: bottom-up), planes, bits per pixel, compression
    // (BI_RLE8, BI_RGB), image size, resolutions, colours, important colours (all).
    EXPECT_EQ(LeFields(bytes, format.data, {4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4}),
              (Fields{40, kVideoWidth, kVideoHeight, 1, video.rle8 ? 8u : 24u, video.rle8 ? 1u : 0u,
                      largest, 0, 0, paletteSize, 0}));
}

// The RGB24 rows from the bottom up, the RLE8 indices through the colour table.
TEST_P(VideoFiles, EveryFrameIsAnIndexedKeyFrameShowingThePictureExactly) {
    const ParsedChunk& frames = riff.Child("movi");
    const ParsedChunk& index = riff.Child("idx1");
    ASSERT_EQ(frames.children.size(), std::size_t(kVideoFrames));
    ASSERT_EQ(index.size, 16u * kVideoFrames);
    const auto colourAt = [this](std::size_t at) { // blue, green, red
        return static_cast<unsigned long>(bytes[at + 2] | bytes[at + 1] << 8 | bytes[at] << 16);
    };
    for (int frame = 0; frame < kVideoFrames; ++frame) {
        SCOPED_TRACE(frame);
        const ParsedChunk& chunk = frames.children[frame];
        EXPECT_EQ(chunk.id, video.rle8 ? "00dc" : "00db");
        EXPECT_EQ(FourCcAt(bytes, index.data + 16 * frame), chunk.id);
        // Flags (a key frame), offset of the chunk from the list type 'movi', size.
        EXPECT_EQ(LeFields(bytes, index.data + 16 * frame + 4, {4, 4, 4}),
                  (Fields{0x10, std::uint32_t(chunk.data - 8 - frames.data), chunk.size}));

        std::vector<unsigned long> colours; // rows from the top
        if (video.rle8) {
            const Bytes bits(bytes.begin() + chunk.data, bytes.begin() + chunk.data + chunk.size);
            for (std::uint8_t index : DecodeRle8(bits, kVideoWidth, kVideoHeight)) {
                ASSERT_LT(index, paletteSize);
                colours.push_back(colourAt(format.data + 40 + 4 * index));
            }
        } else {
            constexpr std::size_t kStride = kVideoWidth * 3; // already a multiple of 4
            ASSERT_EQ(chunk.size, kStride * kVideoHeight);
            for (int row = kVideoHeight - 1; row >= 0; --row) // the file's rows go up
                for (int x = 0; x < kVideoWidth; ++x)
                    colours.push_back(colourAt(chunk.data + row * kStride + 3 * x));
        }
        int wrong = 0;
        for (int y = 0; y < kVideoHeight; ++y)
            for (int x = 0; x < kVideoWidth; ++x)
                wrong += colours[y * kVideoWidth + x] != FramePixel(frame, x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(TestPicture, OneBandPixelTellsWhichFrameIsShowing) {
    std::set<unsigned long> bandColours;
    for (int frame = 0; frame < kVideoFrames; ++frame)
        bandColours.insert(FramePixel(frame, 0, 90));
    EXPECT_EQ(bandColours.size(), std::size_t(kVideoFrames));
}

// Rows wider than one count holds, with runs and stretches of every length around the limits
// between encoded and absolute mode, odd ones included.
TEST(Rle8Encoder, RowsOfEveryKindRoundTrip) {
    constexpr int kWidth = 600;
    constexpr int kRunLengths[] = {1, 2, 3, 1, 1, 4, 2, 1, 1, 1, 257, 1, 2, 2, 255, 3};
    Bytes picture(kWidth, 7);
    for (int x = 0; x < kWidth; ++x)
        picture.push_back(x % 2);
    for (int run = 0; picture.size() < 3 * kWidth; ++run)
        picture.insert(picture.end(), kRunLengths[run % std::size(kRunLengths)], run % 5);
    picture.resize(3 * kWidth);
    EXPECT_EQ(DecodeRle8(EncodeRle8(picture, kWidth, 3), kWidth, 3), picture);
}
