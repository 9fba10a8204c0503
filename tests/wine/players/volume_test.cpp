// ChangeVolume read back through the mixer: mixer 0's speakers. Wine's volume control there is
// uniform, one value for both channels, so unequal channels are left to the native tests.
#include "Qerno.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

namespace {

// The speakers' volume and mute, put back as the test found them.
class MasterOutput : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(MMSYSERR_NOERROR, mixerOpen(&mixer_, 0, 0, 0, 0));
        MIXERLINEA line = {};
        line.cbStruct = sizeof line;
        line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
        ASSERT_EQ(MMSYSERR_NOERROR,
                  mixerGetLineInfoA(Object(), &line,
                                    MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE));
        const MIXERCONTROLA volume = Control(line.dwLineID, MIXERCONTROL_CONTROLTYPE_VOLUME);
        ASSERT_TRUE(volume.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM);
        volumeId_ = volume.dwControlID;
        muteId_ = Control(line.dwLineID, MIXERCONTROL_CONTROLTYPE_MUTE).dwControlID;
        savedVolume_ = Read(volumeId_);
        savedMute_ = Read(muteId_);
        saved_ = true;
    }
    void TearDown() override {
        if (saved_) {
            Write(volumeId_, savedVolume_);
            Write(muteId_, savedMute_);
        }
        mixerClose(mixer_);
    }

    // The one value of a uniform control: an unsigned volume or a Boolean mute.
    DWORD Read(DWORD id) { return Transfer(id, 0xDEADBEEF, false); }
    void Write(DWORD id, DWORD value) { Transfer(id, value, true); }

    DWORD volumeId_ = 0, muteId_ = 0;

private:
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }
    MIXERCONTROLA Control(DWORD lineId, DWORD type) {
        MIXERCONTROLA control = {};
        control.cbStruct = sizeof control;
        MIXERLINECONTROLSA query = {sizeof query, lineId, {type}, 1, sizeof control, &control};
        EXPECT_EQ(MMSYSERR_NOERROR,
                  mixerGetLineControlsA(Object(), &query,
                                        MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE));
        return control;
    }
    DWORD Transfer(DWORD id, DWORD value, bool write) {
        MIXERCONTROLDETAILS details = {sizeof details, id, 1, {nullptr}, sizeof value, &value};
        EXPECT_EQ(MMSYSERR_NOERROR,
                  write ? mixerSetControlDetails(Object(), &details, MIXER_OBJECTF_HMIXER)
                        : mixerGetControlDetailsA(Object(), &details, MIXER_OBJECTF_HMIXER));
        return value;
    }

    HMIXER mixer_ = nullptr;
    DWORD savedVolume_ = 0, savedMute_ = 0;
    bool saved_ = false;
};

TEST_F(MasterOutput, LevelsAndStepsSetTheVolume) {
    const struct {
        DWORD before;
        unsigned int mode;
        int value;
        DWORD after;
    } cases[] = {{30000, 0, 0, 0},  {30000, 2, 9, 58977},  {30000, 0, 10, 65535},
                 {30000, 7, -1, 0}, {30000, 0, 11, 65535}, {60000, 1, 1, 65535},
                 {5000, 1, 0, 0},   {30000, 1, 1, 36553},  {30000, 1, 0, 23447}};
    for (const auto& c : cases) {
        Write(volumeId_, c.before);
        ChangeVolume(c.mode, c.value);
        EXPECT_EQ(c.after, Read(volumeId_))
            << "from " << c.before << " mode " << c.mode << " value " << c.value;
    }
}

TEST_F(MasterOutput, MuteIsSetAsGivenAndToggledBack) {
    const struct {
        unsigned int mode;
        int value;
        DWORD after;
    } steps[] = {{3, 1, 1}, {3, 0, 0}, {4, 0, 1}, {4, 0, 0}};
    for (const auto& step : steps) {
        ChangeVolume(step.mode, step.value);
        EXPECT_EQ(step.after, Read(muteId_)) << "mode " << step.mode;
    }
}

} // namespace
