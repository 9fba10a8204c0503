// The arithmetic of every mode, with what the test machine's mixer cannot show: unequal channels,
// values it never holds, levels and modes far out of range.
#include "media/players/VolumeLevels.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

TEST(VolumeLevels, LevelsStepsAndMuteStayInTheMixersRange) {
    // Mode, value, the channels' current values and the new value.
    const std::tuple<unsigned int, int, std::vector<std::uint32_t>, std::uint32_t> cases[] = {
        {0, 10, {30000}, kVolumeTop}, // ten steps fall short of the top
        {7, INT_MIN, {30000}, 0},
        {UINT_MAX, INT_MAX, {30000}, kVolumeTop},
        {1, 1, {30000, 20000}, 36553}, // up from the loudest channel
        {1, 0, {30000, 20000}, 13447}, // down from the quietest
        {1, 1, {UINT32_MAX, 65535}, kVolumeTop},
        {1, 0, {UINT32_MAX, 65535}, 65535 - kVolumeStep},
        {1, 0, {5000}, 0},
        {3, -1, {0}, 0xFFFFFFFF}, // mute takes any value
        {4, 0, {0xFFFFFFFF}, 0},
    };
    for (const auto& [mode, value, current, expected] : cases)
        EXPECT_EQ(expected, NewControlValue(mode, value, current.data(), current.size()))
            << "mode " << mode << " value " << value;
}
