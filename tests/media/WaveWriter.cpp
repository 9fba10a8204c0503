#include "WaveWriter.h"

#include "RiffWriter.h"

namespace testmedia {
namespace {

constexpr std::uint32_t kPcmFormatTag = 1;

} // namespace

std::vector<std::uint8_t> WaveFile(const Wave& format, const std::vector<std::uint8_t>& samples) {
    const std::uint32_t blockAlign = format.channels * format.bitsPerSample / 8;
    RiffWriter riff;
    riff.OpenList("RIFF", "WAVE");
    riff.OpenChunk("fmt ");
    riff.Le16(kPcmFormatTag);
    riff.Le16(format.channels);
    riff.Le32(format.samplesPerSecond);
    riff.Le32(format.samplesPerSecond * blockAlign);
    riff.Le16(blockAlign);
    riff.Le16(format.bitsPerSample);
    riff.Close();
    riff.OpenChunk("data");
    riff.Append(samples);
    riff.Close();
    riff.Close();
    return riff.Finish();
}

} // namespace testmedia
