#include "media_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace testmedia;

namespace {

// A sample as a fraction of full scale.
double Level(const Bytes& bytes, std::size_t at, int bitsPerSample) {
    return bitsPerSample == 8 ? (bytes[at] - 128) / 128.0
                              : static_cast<std::int16_t>(Le16At(bytes, at)) / 32768.0;
}

} // namespace

TEST(WaveFiles, HeadersAgreeWithTheFormatAndTheDuration) {
    for (const Wave& wave : kWaves) {
        SCOPED_TRACE(wave.file);
        const Bytes& bytes = ReadMediaFile(wave.file);
        const ParsedChunk riff = ReadRiff(bytes, "WAVE");
        const std::size_t format = riff.Child("fmt ").data;
        ASSERT_EQ(riff.Child("fmt ").size, 16u);
        const std::uint32_t blockAlign = wave.channels * wave.bitsPerSample / 8;
        EXPECT_EQ(Le16At(bytes, format), 1u); // PCM
        EXPECT_EQ(Le16At(bytes, format + 2), std::uint32_t(wave.channels));
        EXPECT_EQ(Le32At(bytes, format + 4), std::uint32_t(wave.samplesPerSecond));
        EXPECT_EQ(Le32At(bytes, format + 8), wave.samplesPerSecond * blockAlign);
        EXPECT_EQ(Le16At(bytes, format + 12), blockAlign);
        EXPECT_EQ(Le16At(bytes, format + 14), std::uint32_t(wave.bitsPerSample));
        const std::uint32_t samples = wave.samplesPerSecond * wave.milliseconds / 1000;
        EXPECT_EQ(riff.Child("data").size, samples * blockAlign);
    }
}

TEST(WaveFiles, ToneIsTheSameSineOnEveryChannel) {
    for (const Wave& wave : kWaves) {
        SCOPED_TRACE(wave.file);
        const Bytes& bytes = ReadMediaFile(wave.file);
        const ParsedChunk data = ReadRiff(bytes, "WAVE").Child("data");
        const std::size_t sampleSize = wave.bitsPerSample / 8;
        int risingCrossings = 0;
        int channelsApart = 0;
        double peak = 0;
        double previous = 0;
        for (std::size_t at = data.data; at < data.data + data.size;
             at += sampleSize * wave.channels) {
            const double level = Level(bytes, at, wave.bitsPerSample);
            risingCrossings += previous < 0 && level >= 0;
            peak = std::max(peak, std::abs(level));
            previous = level;
            for (int channel = 1; channel < wave.channels; ++channel)
                channelsApart +=
                    Level(bytes, at + channel * sampleSize, wave.bitsPerSample) != level;
        }
        EXPECT_NEAR(risingCrossings, kToneFrequency * wave.milliseconds / 1000, 1);
        EXPECT_NEAR(peak, kToneLevel, 0.01);
        EXPECT_EQ(channelsApart, 0);
    }
}

TEST(VideoFiles, HeadersDescribeTwentyFramesAtTenPerSecond) {
    for (const Video& video : kVideos) {
        SCOPED_TRACE(video.file);
        const Bytes& bytes = ReadMediaFile(video.file);
        const ParsedChunk header = ReadRiff(bytes, "AVI ").Child("hdrl");
        const ParsedChunk& main = header.Child("avih");
        const ParsedChunk& stream = header.Child("strl").Child("strh");
        const ParsedChunk& format = header.Child("strl").Child("strf");
        ASSERT_EQ(main.size, 56u);
        ASSERT_EQ(stream.size, 56u);
        const std::uint32_t paletteSize = Le32At(bytes, format.data + 32);
        EXPECT_EQ(format.size, 40 + 4 * paletteSize);
        EXPECT_GT(paletteSize, 0u); // at 24 bits too, or Wine's RLE codec claims the stream

        EXPECT_EQ(Le32At(bytes, main.data), 100000u);           // microseconds per frame
        EXPECT_EQ(Le32At(bytes, main.data + 12) & 0x10, 0x10u); // has an index
        EXPECT_EQ(Le32At(bytes, main.data + 16), std::uint32_t(kVideoFrames));
        EXPECT_EQ(Le32At(bytes, main.data + 24), 1u); // streams
        EXPECT_EQ(Le32At(bytes, main.data + 32), std::uint32_t(kVideoWidth));
        EXPECT_EQ(Le32At(bytes, main.data + 36), std::uint32_t(kVideoHeight));
        EXPECT_EQ(FourCcAt(bytes, stream.data), "vids");
        EXPECT_EQ(FourCcAt(bytes, stream.data + 4), video.rle8 ? "mrle" : "DIB ");
        EXPECT_EQ(Le32At(bytes, stream.data + 20), 1u); // scale
        EXPECT_EQ(Le32At(bytes, stream.data + 24), std::uint32_t(kVideoFramesPerSecond));
        EXPECT_EQ(Le32At(bytes, stream.data + 32), std::uint32_t(kVideoFrames));
        EXPECT_EQ(Le32At(bytes, format.data + 4), std::uint32_t(kVideoWidth));
        EXPECT_EQ(Le32At(bytes, format.data + 8), std::uint32_t(kVideoHeight)); // bottom-up
        EXPECT_EQ(Le16At(bytes, format.data + 14), video.rle8 ? 8u : 24u);
        EXPECT_EQ(Le32At(bytes, format.data + 16), video.rle8 ? 1u : 0u); // BI_RLE8, BI_RGB
    }
}

TEST(VideoFiles, IndexPointsAtEveryFrameAsAKeyFrame) {
    for (const Video& video : kVideos) {
        SCOPED_TRACE(video.file);
        const Bytes& bytes = ReadMediaFile(video.file);
        const ParsedChunk riff = ReadRiff(bytes, "AVI ");
        const std::uint32_t bufferSize = Le32At(bytes, riff.Child("hdrl").Child("avih").data + 28);
        const ParsedChunk& frames = riff.Child("movi");
        const ParsedChunk& index = riff.Child("idx1");
        ASSERT_EQ(frames.children.size(), std::size_t(kVideoFrames));
        ASSERT_EQ(index.size, 16u * kVideoFrames);
        for (int frame = 0; frame < kVideoFrames; ++frame) {
            SCOPED_TRACE(frame);
            const ParsedChunk& chunk = frames.children[frame];
            const std::size_t entry = index.data + 16 * frame;
            EXPECT_EQ(chunk.id, video.rle8 ? "00dc" : "00db");
            EXPECT_EQ(FourCcAt(bytes, entry), chunk.id);
            EXPECT_EQ(Le32At(bytes, entry + 4) & 0x10, 0x10u); // a key frame
            // Offsets count from the list type 'movi', which sits at the list's data.
            EXPECT_EQ(frames.data + Le32At(bytes, entry + 8), chunk.offset);
            EXPECT_EQ(Le32At(bytes, entry + 12), chunk.size);
            EXPECT_LE(chunk.size, bufferSize);
        }
    }
}

// The RGB24 rows from the bottom up, the RLE8 indices through the colour table.
TEST(VideoFiles, EveryFrameShowsThePictureExactly) {
    for (const Video& video : kVideos) {
        SCOPED_TRACE(video.file);
        const Bytes& bytes = ReadMediaFile(video.file);
        const ParsedChunk riff = ReadRiff(bytes, "AVI ");
        const ParsedChunk& format = riff.Child("hdrl").Child("strl").Child("strf");
        const std::uint32_t paletteSize = Le32At(bytes, format.data + 32);
        const auto colourAt = [&bytes](std::size_t at) { // blue, green, red
            return static_cast<unsigned long>(bytes[at + 2] | bytes[at + 1] << 8 | bytes[at] << 16);
        };
        for (int frame = 0; frame < kVideoFrames; ++frame) {
            SCOPED_TRACE(frame);
            const ParsedChunk& chunk = riff.Child("movi").children.at(frame);
            std::vector<unsigned long> colours; // rows from the top
            if (video.rle8) {
                const Bytes bits(bytes.begin() + chunk.data,
                                 bytes.begin() + chunk.data + chunk.size);
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
}

TEST(MediaFiles, TruncatedFilesEndInsideTheirFirstChunk) {
    const struct {
        const char* file;
        const char* form;
        const char* firstChunk;
    } truncated[] = {{kTruncatedWave, "WAVE", "fmt "}, {kTruncatedVideo, "AVI ", "LIST"}};
    for (const auto& file : truncated) {
        SCOPED_TRACE(file.file);
        const Bytes& bytes = ReadMediaFile(file.file);
        ASSERT_GT(bytes.size(), 24u);
        EXPECT_EQ(FourCcAt(bytes, 8), file.form);
        EXPECT_EQ(FourCcAt(bytes, 12), file.firstChunk);
        EXPECT_LT(bytes.size(), 20 + Le32At(bytes, 16));
    }
    EXPECT_EQ(FourCcAt(ReadMediaFile(kTruncatedVideo), 20), "hdrl");
}

TEST(TestPicture, OneBandPixelTellsWhichFrameIsShowing) {
    std::set<unsigned long> bandColours;
    for (int frame = 0; frame < kVideoFrames; ++frame)
        bandColours.insert(FramePixel(frame, 0, 90));
    EXPECT_EQ(bandColours.size(), std::size_t(kVideoFrames));
}
