// What the Wine tests cannot tell of the writer: the samples of the tones, which no driver
// reports, and the video index.
#include "MediaSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace testmedia;

// The samples follow a 16-byte format chunk: their size at byte 40, themselves from byte 44 (an
// odd count has a pad byte after them). Levels as fractions of full scale.
TEST(ToneWave, ToneIsTheSameSineOnEveryChannelAndTheVideoIndexPointsAtEveryFrame) {
    for (const Wave& wave : kWaves) {
        SCOPED_TRACE(wave.file);
        const Bytes bytes = ToneWaveFile(wave);
        const auto level = [&](std::size_t at) {
            return wave.bitsPerSample == 8
                       ? (bytes[at] - 128) / 128.0
                       : static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8) / 32768.0;
        };
        const std::size_t sampleSize = wave.bitsPerSample / 8;
        const std::size_t end = 44 + (bytes[40] | bytes[41] << 8 | bytes[42] << 16);
        int risingCrossings = 0, channelsApart = 0;
        double peak = 0, previous = 0;
        for (std::size_t at = 44; at < end; at += sampleSize * wave.channels) {
            const double sample = level(at);
            risingCrossings += previous < 0 && sample >= 0;
            peak = std::max(peak, std::abs(sample));
            previous = sample;
            for (int channel = 1; channel < wave.channels; ++channel)
                channelsApart += level(at + channel * sampleSize) != sample;
        }
        EXPECT_NEAR(risingCrossings, kToneFrequency * wave.milliseconds / 1000, 1);
        EXPECT_NEAR(peak, kToneLevel, 0.01);
        EXPECT_EQ(channelsApart, 0);
    }

    // Wine's driver plays the videos whatever their index says, so only this reads it: an entry per
    // frame in turn, each a key frame, its offset counted from the list type 'movi'.
    for (const Video& video : kVideos) {
        SCOPED_TRACE(video.file);
        const Bytes bytes = VideoFile(video);
        const auto le32 = [&](std::size_t at) {
            return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24;
        };
        const auto id = [&](std::size_t at) { return std::string(&bytes[at], &bytes[at + 4]); };
        constexpr char kMovi[] = "movi";
        const std::size_t movi =
            std::search(bytes.begin(), bytes.end(), kMovi, kMovi + 4) - bytes.begin();
        std::size_t entry = bytes.size() - 16 * kVideoFrames; // the index ends the file
        ASSERT_EQ(id(entry - 8), "idx1");
        for (std::size_t frame = movi + 4; entry < bytes.size(); entry += 16) {
            EXPECT_EQ(movi + le32(entry + 8), frame);
            EXPECT_EQ(id(entry) + id(frame), video.rle8 ? "00dc00dc" : "00db00db");
            EXPECT_EQ(le32(entry + 4), 0x10); // a key frame
            EXPECT_EQ(le32(entry + 12), le32(frame + 4));
            frame += 8 + le32(frame + 4) + le32(frame + 4) % 2;
        }
    }
}
