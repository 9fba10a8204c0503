// The sound group on Wine's wave-audio driver: the format of a stereo 16-bit wave and its length in
// milliseconds whatever time format the device is in.
#include "media/MediaTestSupport.h"

#include <vector>

namespace {

using namespace testmedia;
using Values = std::vector<unsigned long>;

class SoundFormats : public MediaTest {};

TEST_F(SoundFormats, AWaveReportsItsFormatAndItsLengthInAnyTimeFormat) {
    id_ = OpenSound("waveaudio", MediaPath(kWaves[1].file).c_str(), "qernosound", host());
    ASSERT_NE(0, id_);
    EXPECT_EQ((Values{MCI_FORMAT_MILLISECONDS, 22050, 88200, 16, 2000}),
              (Values{GetMediaTimeFormat(id_), GetWaveSamplespersec(id_), GetWaveBytespersec(id_),
                      GetWaveBitspersample(id_), GetSoundLength(id_)}));
    ASSERT_EQ(1, SetMediaTimeFormat(id_, MCI_FORMAT_SAMPLES));
    EXPECT_EQ(2000UL, GetSoundLength(id_));
    EXPECT_EQ((Values{MCI_FORMAT_SAMPLES, 44100}),
              (Values{GetMediaTimeFormat(id_), GetMediaLength(id_)}))
        << "the time format as it was";
    EXPECT_EQ("", log_.Text());
}

TEST_F(SoundFormats, MissingIdsFilesAndDevicesAreLoggedFailures) {
    // The wave queries share one guard; the length has its own.
    EXPECT_EQ(0UL, GetWaveBytespersec(0) + GetSoundLength(0));
    EXPECT_EQ(2, log_.Count("of SoundInvalid Media-ID \r\n"));
    // Which files and devices MCI refuses is the device tests' concern; here, the record.
    EXPECT_EQ(0, OpenSound("sequencer", MediaPath("missing.mid").c_str(), nullptr, nullptr));
    EXPECT_EQ(1, log_.Count("-- OPEN -- "));
}

} // namespace
