// ChangeVolume read back through mixer 0's speakers: each mode reaches its control, and a step
// starts from what the mixer holds. The arithmetic itself is checked natively.
#include "Qerno.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <tuple>

namespace {

// Reads, or writes, the one value (Wine's volume is uniform) of a control of mixer 0's speakers,
// the mixer named by its number, which needs no opening.
DWORD Speakers(DWORD type, const DWORD* write = nullptr) {
    MIXERLINEA line = {};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    EXPECT_EQ(MMSYSERR_NOERROR,
              mixerGetLineInfoA(nullptr, &line, MIXER_GETLINEINFOF_COMPONENTTYPE));
    MIXERCONTROLA control = {};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA query = {sizeof query, line.dwLineID, {type}, 1, sizeof control, &control};
    EXPECT_EQ(MMSYSERR_NOERROR,
              mixerGetLineControlsA(nullptr, &query, MIXER_GETLINECONTROLSF_ONEBYTYPE));
    DWORD value = write ? *write : 0;
    MIXERCONTROLDETAILS details = {sizeof details, control.dwControlID, 1,
                                   {nullptr},      sizeof value,        &value};
    EXPECT_EQ(MMSYSERR_NOERROR, write ? mixerSetControlDetails(nullptr, &details, 0)
                                      : mixerGetControlDetailsA(nullptr, &details, 0));
    return value;
}

// 32-bit Wine's mixer reads a level back up to two units below what was set, and a step starts
// from what it reads; a step itself is thousands of units.
#if defined(__i386__)
constexpr DWORD kMixerSlack = 2;
#else
constexpr DWORD kMixerSlack = 0;
#endif

TEST(ChangeVolume, EachModeChangesItsControlOfTheSpeakers) {
    constexpr DWORD kVolume = MIXERCONTROL_CONTROLTYPE_VOLUME,
                    kMute = MIXERCONTROL_CONTROLTYPE_MUTE;
    // The control, its value before, the mode and value asked for, and its value after.
    const std::tuple<DWORD, DWORD, unsigned int, int, DWORD> cases[] = {
        {kVolume, 30000, 0, 9, 58977},
        {kVolume, 30000, 1, 0, 23447},
        {kMute, 0, 3, 1, 1},
        {kMute, 1, 4, 0, 0}};
    const DWORD saved[] = {Speakers(kVolume), Speakers(kMute)};
    for (const auto& [control, before, mode, value, after] : cases) {
        Speakers(control, &before);
        ChangeVolume(mode, value);
        EXPECT_NEAR(after, Speakers(control), kMixerSlack) << "from " << before << " mode " << mode;
    }
    Speakers(kVolume, &saved[0]);
    Speakers(kMute, &saved[1]);
}

} // namespace
