// ChangeVolume read back through mixer 0's speakers: each mode reaches its control, and a step
// starts from what the mixer holds. The arithmetic itself is checked natively.
#include "Qerno.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <utility>
#include <vector>

namespace {

// Mixer 0 named by its number, which needs no opening.
const HMIXEROBJ kMixerZero = nullptr;

// The speakers' volume and mute, each one value (Wine's volume is uniform), put back after.
class MasterOutput : public testing::Test {
protected:
    void SetUp() override {
        MIXERLINEA line = {};
        line.cbStruct = sizeof line;
        line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        ASSERT_EQ(MMSYSERR_NOERROR,
                  mixerGetLineInfoA(kMixerZero, &line, MIXER_GETLINEINFOF_COMPONENTTYPE));
        for (DWORD type : {MIXERCONTROL_CONTROLTYPE_VOLUME, MIXERCONTROL_CONTROLTYPE_MUTE}) {
            MIXERCONTROLA control = {};
            control.cbStruct = sizeof control;
            MIXERLINECONTROLSA query = {sizeof query,   line.dwLineID, {type}, 1,
                                        sizeof control, &control};
            ASSERT_EQ(MMSYSERR_NOERROR,
                      mixerGetLineControlsA(kMixerZero, &query, MIXER_GETLINECONTROLSF_ONEBYTYPE));
            saved_.emplace_back(control.dwControlID, Value(control.dwControlID));
        }
    }
    void TearDown() override {
        for (auto [id, value] : saved_)
            Value(id, value, true);
    }

    // Reads, or writes, the one value of a uniform control.
    DWORD Value(DWORD id, DWORD value = 0, bool write = false) {
        MIXERCONTROLDETAILS details = {sizeof details, id, 1, {nullptr}, sizeof value, &value};
        EXPECT_EQ(MMSYSERR_NOERROR, write ? mixerSetControlDetails(kMixerZero, &details, 0)
                                          : mixerGetControlDetailsA(kMixerZero, &details, 0));
        return value;
    }
    std::vector<std::pair<DWORD, DWORD>> saved_; // the volume's id and value, then the mute's
};

TEST_F(MasterOutput, EachModeChangesItsControl) {
    const struct {
        bool mute;
        DWORD before;
        unsigned int mode;
        int value;
        DWORD after;
    } cases[] = {{false, 30000, 0, 9, 58977},
                 {false, 30000, 1, 0, 23447},
                 {true, 0, 3, 1, 1},
                 {true, 0, 4, 0, 1},
                 {true, 1, 4, 0, 0}};
    for (const auto& c : cases) {
        const DWORD id = saved_[c.mute].first;
        Value(id, c.before, true);
        ChangeVolume(c.mode, c.value);
        EXPECT_EQ(c.after, Value(id)) << "from " << c.before << " mode " << c.mode;
    }
}

} // namespace
