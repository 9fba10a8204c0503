// The master volume and mute of mixer 0's speaker and headphone outputs.
#include "QernoMedia.h"
#include "media/players/VolumeLevels.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>

namespace {

// The Boolean of a mute and the unsigned of a volume are both one 32-bit value, so one buffer of
// 32-bit values holds the details of either control.
static_assert(sizeof(MIXERCONTROLDETAILS_BOOLEAN) == sizeof(std::uint32_t), "Boolean size");
static_assert(sizeof(MIXERCONTROLDETAILS_UNSIGNED) == sizeof(std::uint32_t), "unsigned size");

// Room for the values of one control: 8 channels of up to 4 items; a line needing more is left.
constexpr DWORD kMaxControlValues = 32;

bool IsMasterOutput(const MIXERLINEA& line) {
    return line.dwComponentType == MIXERLINE_COMPONENTTYPE_DST_SPEAKERS ||
           line.dwComponentType == MIXERLINE_COMPONENTTYPE_DST_HEADPHONES;
}

// The line's control of the mode, read, changed and written back; any failure leaves the line.
void ChangeLineControl(HMIXEROBJ mixer, const MIXERLINEA& line, unsigned int mode, int value) {
    const bool mute = ControlForMode(mode) == VolumeControl::Mute;
    MIXERCONTROLA control = {};
    MIXERLINECONTROLSA query = {};
    query.cbStruct = sizeof query;
    query.dwLineID = line.dwLineID;
    query.dwControlType = mute ? MIXERCONTROL_CONTROLTYPE_MUTE : MIXERCONTROL_CONTROLTYPE_VOLUME;
    query.cControls = 1;
    query.cbmxctrl = sizeof control;
    query.pamxctrl = &control;
    if (mixerGetLineControlsA(mixer, &query,
                              MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR)
        return;

    // A uniform control, as the mute always is, holds one value for all channels: asked for more,
    // a mixer may fill in only the first, and a step down would start from a channel never read.
    const bool uniform = mute || control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM;
    const DWORD channels = uniform ? 1 : line.cChannels;
    const DWORD items =
        control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE ? control.cMultipleItems : 0;
    const DWORD valuesPerChannel = std::max<DWORD>(items, 1);
    if (channels == 0 || valuesPerChannel > kMaxControlValues / channels)
        return;
    const DWORD valueCount = channels * valuesPerChannel;
    std::uint32_t values[kMaxControlValues] = {};
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof details;
    details.dwControlID = control.dwControlID;
    details.cChannels = channels;
    details.cMultipleItems = items;
    details.cbDetails = sizeof values[0];
    details.paDetails = values;
    if (mixerGetControlDetailsA(mixer, &details,
                                MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR)
        return;

    std::fill_n(values, valueCount, NewControlValue(mode, value, values, valueCount));
    // Nothing is reported, so a refused write is as good as none.
    mixerSetControlDetails(mixer, &details, MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE);
}

} // namespace

void QERNO_CALL ChangeVolume(unsigned int mode, int value) {
    if (mixerGetNumDevs() == 0)
        return;
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR)
        return;
    MIXERCAPSA caps = {};
    if (mixerGetDevCapsA(0, &caps, sizeof caps) == MMSYSERR_NOERROR) {
        const HMIXEROBJ object = reinterpret_cast<HMIXEROBJ>(mixer);
        for (DWORD destination = 0; destination < caps.cDestinations; ++destination) {
            MIXERLINEA line = {};
            line.cbStruct = sizeof line;
            line.dwDestination = destination;
            if (mixerGetLineInfoA(object, &line,
                                  MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_DESTINATION) ==
                    MMSYSERR_NOERROR &&
                IsMasterOutput(line))
                ChangeLineControl(object, line, mode, value);
        }
    }
    mixerClose(mixer);
}
