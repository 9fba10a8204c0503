#include "MediaSet.h"

#include <cmath>

namespace testmedia {

Bytes ToneWaveFile(const Wave& wave) {
    const std::uint32_t rate = wave.samplesPerSecond;
    const std::uint32_t blockAlign = wave.channels * wave.bitsPerSample / 8;
    Bytes format;
    Le16(format, {1, static_cast<std::uint32_t>(wave.channels)}); // PCM
    Le32(format, {rate, rate * blockAlign});
    Le16(format, {blockAlign, static_cast<std::uint32_t>(wave.bitsPerSample)});

    // Interleaved samples, 8-bit unsigned or 16-bit signed. 64-bit: rate times milliseconds need
    // not fit in an int.
    const long long frames = static_cast<long long>(rate) * wave.milliseconds / 1000;
    const double pi = std::acos(-1.0);
    Bytes samples;
    for (long long frame = 0; frame < frames; ++frame) {
        const double level = kToneLevel * std::sin(2 * pi * kToneFrequency * frame / rate);
        for (int channel = 0; channel < wave.channels; ++channel) {
            if (wave.bitsPerSample == 8)
                samples.push_back(static_cast<std::uint8_t>(128 + std::lround(127 * level)));
            else
                Le16(samples, {static_cast<std::uint16_t>(std::lround(32767 * level))});
        }
    }
    return List("RIFF", "WAVE", {Chunk("fmt ", format), Chunk("data", samples)});
}

} // namespace testmedia
