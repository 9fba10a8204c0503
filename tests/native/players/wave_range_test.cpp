#include "media/players/StageRange.h"
#include "media/players/WaveRange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {

constexpr WavePace kStereo16 = {176400, 4}, kMono16 = {88200, 2}, kMono8 = {11025, 1};

TEST(WaveRange, PcmFieldsMustAgreeAndConversionsAndStepsTruncateAndSaturate) {
    EXPECT_TRUE(IsConsistentPcm({1, 11025, 8, 1, 11025}));
    EXPECT_TRUE(IsConsistentPcm({6, 48000, 24, 18, 864000}));
    const PcmLayout bad[] = {
        {0, 44100, 16, 0, 0},       // no channels
        {2, 0, 16, 4, 0},           // no samples
        {2, 44100, 12, 3, 132300},  // part bytes a sample
        {2, 44100, 64, 16, 705600}, // wider than 32 bits
        {2, 44100, 16, 2, 88200},   // a block short of the channels
        {2, 44100, 16, 4, 176401},  // a second of part blocks
        {1, 0x40000001, 32, 4, 4},  // agreeing only modulo 2^32
    };
    for (const PcmLayout& layout : bad)
        EXPECT_FALSE(IsConsistentPcm(layout)) << layout.channels << " " << layout.bitsPerSample;

    EXPECT_EQ(1232u, WaveBytes(7, kStereo16)); // 1234.8, then whole blocks
    EXPECT_EQ(33u, WaveBytes(3, kMono8));      // 33.075
    EXPECT_EQ(0xFFFFFFFCu, WaveBytes(0xFFFFFFFE, kStereo16));
    EXPECT_EQ(999u, WaveMilliseconds(176399, kStereo16));
    EXPECT_EQ(0xFFFFFFFFu, WaveMilliseconds(0xFFFFFFFF, {1, 1}));
    EXPECT_EQ(0u, WaveMilliseconds(1000, {0, 0}));

    EXPECT_EQ(0u, RoundToTens(4));
    EXPECT_EQ(0xFFFFFFFAu, RoundToTens(0xFFFFFFFF));
    EXPECT_EQ(0u, PageBack(100, 1000));
    EXPECT_EQ(1000u, PageForward(901, 1000));
    EXPECT_EQ(0xFFFFFFF0u, PageForward(0xFFFFFFF0, 0xFFFFFFF0)); // no wrap at the top
    EXPECT_EQ(5u, PageForward(5, 9));                            // a step of nothing
}

TEST(WaveRange, SpanOfTheChunkARangeSelectsKeepingOnly0xF90000) {
    const std::uint32_t kWhole = kWholeWave;
    // The chunk's size, the range's start and end, and its span of 16-bit mono.
    const std::tuple<std::uint32_t, std::uint32_t, std::uint32_t, WaveSpan> cases[] = {
        {88201, kWhole, kWhole, {0, 88200}}, // the odd byte is no sample
        {88200, 200, 600, {17640, 35280}},
        {88200, 600, 200, {0, 88200}}, // end before start: the whole chunk
        {88200, 0, 5000, {0, 88200}},  // beyond the chunk: the whole chunk
        {88200, 300, 300, {26460, 0}},
        // Past the end, yet a short count: the read beyond the chunk fails later.
        {88200, 990, 1010, {87318, 1764}},
    };
    for (const auto& [chunk, startMs, endMs, expected] : cases) {
        const WaveSpan span = ChooseWaveSpan(chunk, startMs, endMs, kMono16);
        EXPECT_EQ(expected.offset, span.offset) << startMs << ".." << endMs;
        EXPECT_EQ(expected.size, span.size) << startMs << ".." << endMs;
    }

    const WavePace bytePerMs = {1000, 1};
    for (std::uint32_t chunk : {0xFA0000u, 0x2000000u, 0xFFFFFFFFu})
        EXPECT_EQ(0xF90000u, ChooseWaveSpan(chunk, kWholeWave, kWholeWave, bytePerMs).size);
    EXPECT_EQ(0xF9FFFFu, ChooseWaveSpan(0xF9FFFF, kWholeWave, kWholeWave, bytePerMs).size);
    const WaveSpan range = ChooseWaveSpan(0x2000000, 16, 16 + 0xFA0000, bytePerMs);
    EXPECT_TRUE(range.offset == 16 && range.size == 0xF90000);
}

} // namespace
