// The ten-step volume scale, the steps from the current channels and the mute.
#include "media/players/VolumeLevels.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr unsigned int kStepMode = 1;
constexpr unsigned int kSetMuteMode = 3;
constexpr unsigned int kToggleMuteMode = 4;
constexpr int kTopLevel = 10;

// Ten steps of 6553 fall 5 short of the top, so the top level is the top itself.
std::uint32_t LevelValue(int level) {
    const int clamped = std::clamp(level, 0, kTopLevel);
    return clamped == kTopLevel ? kVolumeTop : static_cast<std::uint32_t>(clamped) * kVolumeStep;
}

// Up from the loudest channel and down from the quietest, so that unequal channels end up equal.
std::uint32_t SteppedValue(bool up, const std::uint32_t* current, std::size_t count) {
    const std::int64_t stepped =
        up ? std::int64_t{*std::max_element(current, current + count)} + kVolumeStep
           : std::int64_t{*std::min_element(current, current + count)} - kVolumeStep;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(stepped, 0, kVolumeTop));
}

} // namespace

VolumeControl ControlForMode(unsigned int mode) {
    return mode == kSetMuteMode || mode == kToggleMuteMode ? VolumeControl::Mute
                                                           : VolumeControl::Volume;
}

std::uint32_t NewControlValue(unsigned int mode, int value, const std::uint32_t* current,
                              std::size_t count) {
    switch (mode) {
    case kSetMuteMode:
        return static_cast<std::uint32_t>(value);
    case kToggleMuteMode:
        return current[0] == 0 ? 1 : 0;
    case kStepMode:
        return SteppedValue(value != 0, current, count);
    default:
        return LevelValue(value);
    }
}
