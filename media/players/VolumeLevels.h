// The arithmetic of ChangeVolume: the ten-step scale, the steps and the mute, kept apart from the
// mixer so that it can be checked on its own.
#pragma once

#include <cstddef>
#include <cstdint>

// The mixer's volume range is 0 to 65535 per channel; one of the ten steps is a tenth of it.
constexpr std::uint32_t kVolumeTop = 65535;
constexpr std::uint32_t kVolumeStep = 6553;

enum class VolumeControl { Volume, Mute };

// The mixer control that a mode of ChangeVolume acts on: mute for modes 3 and 4, else volume.
VolumeControl ControlForMode(unsigned int mode);

// The value that every item of the control gets, from its current values (count of them, at least
// one): the volume channels, or the one Boolean of the mute. Mute values are the Boolean's LONG
// bits.
std::uint32_t NewControlValue(unsigned int mode, int value, const std::uint32_t* current,
                              std::size_t count);
