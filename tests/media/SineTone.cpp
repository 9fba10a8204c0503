#include "SineTone.h"

#include <cmath>

namespace testmedia {

std::vector<std::uint8_t> SineTonePcm(const Wave& wave) {
    const double pi = std::acos(-1.0);
    // 64-bit: rate times milliseconds need not fit in an int.
    const long long frames =
        static_cast<long long>(wave.samplesPerSecond) * wave.milliseconds / 1000;
    std::vector<std::uint8_t> samples;
    samples.reserve(frames * wave.channels * wave.bitsPerSample / 8);
    for (long long frame = 0; frame < frames; ++frame) {
        const double level =
            kToneLevel * std::sin(2 * pi * kToneFrequency * frame / wave.samplesPerSecond);
        for (int channel = 0; channel < wave.channels; ++channel) {
            if (wave.bitsPerSample == 8) {
                samples.push_back(static_cast<std::uint8_t>(128 + std::lround(127 * level)));
            } else {
                const auto value = static_cast<std::uint16_t>(std::lround(32767 * level));
                samples.push_back(static_cast<std::uint8_t>(value));
                samples.push_back(static_cast<std::uint8_t>(value >> 8));
            }
        }
    }
    return samples;
}

} // namespace testmedia
