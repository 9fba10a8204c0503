#include "MediaSet.h"

#include <cmath>

namespace testmedia {
namespace {

constexpr std::uint32_t kPcmFormatTag = 1;

// Interleaved samples: 8-bit unsigned, 16-bit signed.
Bytes SineTonePcm(const Wave& wave) {
    const double pi = std::acos(-1.0);
    // 64-bit: rate times milliseconds need not fit in an int.
    const long long frames =
        static_cast<long long>(wave.samplesPerSecond) * wave.milliseconds / 1000;
    Bytes samples;
    for (long long frame = 0; frame < frames; ++frame) {
        const double level =
            kToneLevel * std::sin(2 * pi * kToneFrequency * frame / wave.samplesPerSecond);
        for (int channel = 0; channel < wave.channels; ++channel) {
            if (wave.bitsPerSample == 8)
                samples.push_back(static_cast<std::uint8_t>(128 + std::lround(127 * level)));
            else
                Le16(samples, {static_cast<std::uint16_t>(std::lround(32767 * level))});
        }
    }
    return samples;
}

} // namespace

Bytes ToneWaveFile(const Wave& wave) {
    const std::uint32_t blockAlign = wave.channels * wave.bitsPerSample / 8;
    const std::uint32_t rate = wave.samplesPerSecond;
    Bytes format;
    Le16(format, {kPcmFormatTag, static_cast<std::uint32_t>(wave.channels)});
    Le32(format, {rate, rate * blockAlign});
    Le16(format, {blockAlign, static_cast<std::uint32_t>(wave.bitsPerSample)});
    return List("RIFF", "WAVE", {Chunk("fmt ", format), Chunk("data", SineTonePcm(wave))});
}

} // namespace testmedia
