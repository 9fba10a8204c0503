// The arithmetic is that of 32-bit unsigned numbers on every platform; conversions saturate
// instead of wrapping, so that absurd ranges of a file stay absurd rather than becoming small.
#include "media/players/WaveRange.h"

namespace {

// Loading a data part this large or larger keeps only its first 0xF90000 bytes.
constexpr std::uint32_t kDataSizeLimit = 0xFA0000;
constexpr std::uint32_t kDataSizeKept = 0xF90000;

std::uint32_t Truncated(double value) {
    return value >= 4294967295.0 ? 0xFFFFFFFF : static_cast<std::uint32_t>(value);
}

// A format without a block size still counts in bytes.
std::uint32_t DownToBlock(std::uint32_t bytes, std::uint16_t blockAlign) {
    return blockAlign ? bytes - bytes % blockAlign : bytes;
}

} // namespace

bool IsConsistentPcm(const PcmLayout& layout) {
    constexpr std::uint16_t kWidestSample = 32;
    if (layout.channels == 0 || layout.samplesPerSecond == 0 || layout.bitsPerSample == 0 ||
        layout.bitsPerSample % 8 != 0 || layout.bitsPerSample > kWidestSample)
        return false;
    const std::uint64_t block = std::uint64_t{layout.channels} * layout.bitsPerSample / 8;
    return layout.blockAlign == block &&
           layout.bytesPerSecond == std::uint64_t{layout.samplesPerSecond} * block;
}

std::uint32_t WaveBytes(std::uint32_t milliseconds, WavePace pace) {
    return DownToBlock(Truncated(milliseconds * (pace.bytesPerSecond / 1000.0)), pace.blockAlign);
}

std::uint32_t WaveMilliseconds(std::uint32_t bytes, WavePace pace) {
    if (pace.bytesPerSecond == 0)
        return 0;
    return Truncated(static_cast<double>(bytes) / pace.bytesPerSecond * 1000.0);
}

WaveSpan ChooseWaveSpan(std::uint32_t chunkSize, std::uint32_t startMs, std::uint32_t endMs,
                        WavePace pace) {
    const std::uint32_t startBytes = startMs == kWholeWave ? 0 : WaveBytes(startMs, pace);
    const std::uint32_t endBytes =
        endMs == kWholeWave ? DownToBlock(chunkSize, pace.blockAlign) : WaveBytes(endMs, pace);
    // An end before the start wraps to a count at least the chunk's: the whole chunk plays.
    const std::uint32_t count = endBytes - startBytes;
    WaveSpan span = count >= chunkSize ? WaveSpan{0, chunkSize} : WaveSpan{startBytes, count};
    if (span.size >= kDataSizeLimit)
        span.size = kDataSizeKept;
    return span;
}

std::uint32_t PageBack(std::uint32_t position, std::uint32_t length) {
    const std::uint32_t step = length / 10;
    return position <= step ? 0 : position - step;
}

std::uint32_t PageForward(std::uint32_t position, std::uint32_t length) {
    const std::uint32_t step = length / 10;
    return position >= length || length - position <= step ? length : position + step;
}
