// The sound group on Wine's wave-audio driver: the format of each test wave and its length in
// milliseconds whatever time format the device is in.
#include "media/MediaTestSupport.h"

namespace {

class SoundFormats : public MediaTest {};

TEST_F(SoundFormats, EveryTestWaveReportsItsFormatAndLength) {
    for (const testmedia::Wave& wave : testmedia::kWaves) {
        SCOPED_TRACE(wave.file);
        const unsigned short id =
            OpenSound("waveaudio", MediaPath(wave.file).c_str(), nullptr, nullptr);
        ASSERT_NE(0, id);
        EXPECT_EQ(static_cast<unsigned long>(wave.bitsPerSample), GetWaveBitspersample(id));
        EXPECT_EQ(static_cast<unsigned long>(wave.samplesPerSecond), GetWaveSamplespersec(id));
        EXPECT_EQ(static_cast<unsigned long>(wave.samplesPerSecond * wave.channels *
                                             wave.bitsPerSample / 8),
                  GetWaveBytespersec(id));
        EXPECT_EQ(static_cast<unsigned long>(wave.milliseconds), GetSoundLength(id));
        EXPECT_EQ(1, CloseMedia(id));
    }
    EXPECT_EQ("", log_.Text());
}

TEST_F(SoundFormats, LengthLeavesTheTimeFormatAsItWas) {
    const testmedia::Wave& wave = testmedia::kWaves[0];
    const unsigned short id =
        OpenSound("waveaudio", MediaPath(wave.file).c_str(), "qernosound", host());
    ASSERT_NE(0, id);
    EXPECT_EQ(static_cast<unsigned long>(MCI_FORMAT_MILLISECONDS), GetMediaTimeFormat(id));
    ASSERT_EQ(1, SetMediaTimeFormat(id, MCI_FORMAT_SAMPLES));
    EXPECT_EQ(static_cast<unsigned long>(wave.milliseconds), GetSoundLength(id));
    EXPECT_EQ(static_cast<unsigned long>(MCI_FORMAT_SAMPLES), GetMediaTimeFormat(id));
    EXPECT_EQ(static_cast<unsigned long>(wave.samplesPerSecond * wave.milliseconds / 1000),
              GetMediaLength(id));
    EXPECT_EQ(1, CloseMedia(id));
}

TEST_F(SoundFormats, MissingIdsFilesAndDevicesAreLoggedFailures) {
    EXPECT_EQ(0UL, GetWaveBitspersample(0));
    EXPECT_EQ(0UL, GetWaveSamplespersec(0));
    EXPECT_EQ(0UL, GetWaveBytespersec(0));
    EXPECT_EQ(0UL, GetSoundLength(0));
    EXPECT_EQ(4, log_.Count("of SoundInvalid Media-ID \r\n"));

    EXPECT_EQ(0, OpenSound("waveaudio", MediaPath("missing.wav").c_str(), nullptr, nullptr));
    EXPECT_EQ(
        0, OpenSound("waveaudio", MediaPath(testmedia::kTruncatedWave).c_str(), nullptr, nullptr));
    EXPECT_EQ(0, OpenSound("nosuchdevice", MediaPath(testmedia::kWaves[0].file).c_str(), nullptr,
                           nullptr));
    // No MIDI file is given: the sequencer path fails like any missing element.
    EXPECT_EQ(0, OpenSound("sequencer", MediaPath("missing.mid").c_str(), nullptr, nullptr));
    EXPECT_EQ(4, log_.Count("-- OPEN -- "));
}

} // namespace
