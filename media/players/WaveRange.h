// The wave-out player's arithmetic: milliseconds and bytes of PCM data, the part of a data chunk
// a play range selects, and the steps of the position. No Windows call.
#pragma once

#include <cstdint>

// What the format says about the data's pace.
struct WavePace {
    std::uint32_t bytesPerSecond;
    std::uint16_t blockAlign;
};

// The fields of a PCM format that describe its samples.
struct PcmLayout {
    std::uint16_t channels;
    std::uint32_t samplesPerSecond;
    std::uint16_t bitsPerSample;
    std::uint16_t blockAlign;
    std::uint32_t bytesPerSecond;
};
// Whole bytes a sample, and a block and a second that hold exactly what the samples need.
bool IsConsistentPcm(const PcmLayout& layout);

// The start or end of a range that means "from the beginning" or "to the end".
constexpr std::uint32_t kWholeWave = 0xFFFFFFFF;

// Truncated, then down to a whole block.
std::uint32_t WaveBytes(std::uint32_t milliseconds, WavePace pace);
// Truncated.
std::uint32_t WaveMilliseconds(std::uint32_t bytes, WavePace pace);

// The bytes of a data chunk that are loaded, counted from the chunk's first byte.
struct WaveSpan {
    std::uint32_t offset;
    std::uint32_t size;
};
WaveSpan ChooseWaveSpan(std::uint32_t chunkSize, std::uint32_t startMs, std::uint32_t endMs,
                        WavePace pace);

// A tenth of the length back or forward, kept within 0 and length.
std::uint32_t PageBack(std::uint32_t position, std::uint32_t length);
std::uint32_t PageForward(std::uint32_t position, std::uint32_t length);
