#include "SineTone.h"
#include "TestMedia.h"
#include "media_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace testmedia;

namespace {

// A sample as a fraction of full scale.
double Level(const Bytes& bytes, std::size_t at, int bitsPerSample) {
    if (bitsPerSample == 8)
        return (bytes[at] - 128) / 128.0;
    return static_cast<std::int16_t>(Le16At(bytes, at)) / 32768.0;
}

} // namespace

TEST(WaveFiles, HeadersAgreeWithTheFormatAndTheDuration) {
    for (const Wave& wave : kWaves) {
        SCOPED_TRACE(wave.file);
        const Bytes bytes = ReadMediaFile(wave.file);
        const Chunk riff = ReadRiff(bytes, "WAVE");
        const Chunk& format = riff.Child("fmt ");
        ASSERT_EQ(format.size, 16u);
        const std::uint32_t blockAlign = wave.channels * wave.bitsPerSample / 8;
        EXPECT_EQ(Le16At(bytes, format.data), 1u); // PCM
        EXPECT_EQ(Le16At(bytes, format.data + 2), std::uint32_t(wave.channels));
        EXPECT_EQ(Le32At(bytes, format.data + 4), std::uint32_t(wave.samplesPerSecond));
        EXPECT_EQ(Le32At(bytes, format.data + 8), wave.samplesPerSecond * blockAlign);
        EXPECT_EQ(Le16At(bytes, format.data + 12), blockAlign);
        EXPECT_EQ(Le16At(bytes, format.data + 14), std::uint32_t(wave.bitsPerSample));
        const std::uint32_t samples = wave.samplesPerSecond * wave.milliseconds / 1000;
        EXPECT_EQ(riff.Child("data").size, samples * blockAlign);
    }
}

TEST(WaveFiles, ToneIsTheSameSineOnEveryChannel) {
    for (const Wave& wave : kWaves) {
        SCOPED_TRACE(wave.file);
        const Bytes bytes = ReadMediaFile(wave.file);
        const Chunk data = ReadRiff(bytes, "WAVE").Child("data");
        const std::size_t sampleSize = wave.bitsPerSample / 8;
        const std::size_t blockAlign = sampleSize * wave.channels;
        int risingCrossings = 0;
        int channelsApart = 0;
        double peak = 0;
        double previous = 0;
        for (std::size_t at = data.data; at < data.data + data.size; at += blockAlign) {
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

TEST(WaveFiles, TruncatedWaveEndsInsideItsFormatChunk) {
    const Bytes bytes = ReadMediaFile(kTruncatedWave);
    ASSERT_GT(bytes.size(), 20u);
    EXPECT_EQ(FourCcAt(bytes, 8), "WAVE");
    EXPECT_EQ(FourCcAt(bytes, 12), "fmt ");
    EXPECT_LT(bytes.size(), 20 + Le32At(bytes, 16));
}
