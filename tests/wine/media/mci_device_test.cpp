// MCI device control on Wine's real wave-audio driver: every command, its log record on failure,
// a completion notification through a real message loop, and the sound group's queries.
#include "media/MediaTestSupport.h"

#include <vector>

namespace {

const testmedia::Wave& kTone = testmedia::kWaves[1];
using Values = std::vector<unsigned long>;

class MciDevice : public MediaTest {
protected:
    void OpenTone() {
        id_ = OpenMedia("waveaudio", MediaPath(kTone.file).c_str(), nullptr, nullptr);
        ASSERT_NE(0, id_);
    }
};

// Labels and the invalid-ID text are seen in the failures of the video and movie calls.
TEST_F(MciDevice, NoErrorLogsNothingAndAnUnlabelledErrorMcisText) {
    EXPECT_EQ(2, ShowMciErrorStr(0, "-- PLAY -- ") + ShowMciErrorStr(0));
    EXPECT_EQ("", log_.Text());
    EXPECT_EQ(0, ShowMciErrorStr(MCIERR_FILE_NOT_FOUND));
    EXPECT_EQ(1, log_.Count(MciRecord("", MCIERR_FILE_NOT_FOUND)));
}

// MCI chooses the device by the file's extension, whatever the type name says.
TEST_F(MciDevice, OpensByTheFilesExtensionUnderItsAliasInMilliseconds) {
    id_ = OpenMedia("nosuchdevice", MediaPath(kTone.file).c_str(), "qernotone", host());
    ASSERT_NE(0, id_);
    EXPECT_EQ(id_, mciGetDeviceIDA("qernotone"));
    // Format, length, position, tracks, mode, present, ready, track, start; track 1's length
    // and start.
    EXPECT_EQ((Values{MCI_FORMAT_MILLISECONDS, 2000, 0, 1, MCI_MODE_STOP, 1, 1, 1, 0, 2000, 0}),
              (Values{GetMediaTimeFormat(id_), GetMediaLength(id_), GetMediaPosition(id_),
                      GetMediaTrackCount(id_), GetMediaMode(id_), IsMediaPresent(id_),
                      IsMediaReady(id_), GetMediaCurrentTrack(id_), GetMediaStartPosition(id_),
                      GetMediaTrackLength(id_, 1), GetMediaTrackStartPosition(id_, 1)}));
    EXPECT_EQ("", log_.Text());
}

// A seek past the end and the commands the device cannot do are logged with MCI's text.
TEST_F(MciDevice, SeeksToPositionsTheEndAndTheStartAndLogsWhatItCannotDo) {
    OpenTone();
    for (unsigned long target : {1200UL, kNoMediaPosition, 0UL}) {
        EXPECT_EQ(1, SetMediaPosition(id_, target));
        EXPECT_EQ(target == kNoMediaPosition ? GetMediaLength(id_) : target, GetMediaPosition(id_));
    }
    EXPECT_EQ(0, SetMediaPosition(id_, 99999));
    EXPECT_EQ(1, log_.Count("-- SEEK -- "));
    const int video = SetVideoOnOff(id_, 1);
    const int audio = SetAudioOnOff(id_, 1, 0);
    // Wave audio has no picture; whatever the driver says is what the result and the log say.
    EXPECT_EQ(video, log_.Count("-- Set Video-OnOff -- ") == 0);
    EXPECT_EQ(audio, log_.Count("-- Set Audio-OnOff -- ") == 0);
    EXPECT_EQ(0, SetMediaTimeFormat(id_, MCI_FORMAT_TMSF));
    EXPECT_EQ(1, log_.Count("-- Set Time Format -- "));
}

// A play returns at once; one to a position notifies the window given when it gets there.
TEST_F(MciDevice, PlaysPausesAndStopsWithoutWaitingAndNotifiesAtTheEnd) {
    OpenTone();
    const auto state = [this] {
        return Values{GetMediaMode(id_), ULONG(IsMediaPlaying(id_)), ULONG(IsMediaStop(id_))};
    };
    EXPECT_EQ(1, PlayMedia(id_, kNoMediaPosition, kNoMediaPosition, nullptr));
    EXPECT_EQ((Values{MCI_MODE_PLAY, 1, 0}), state());
    EXPECT_EQ(1, PauseMedia(id_));
    EXPECT_EQ((Values{MCI_MODE_PAUSE, 0, 1}), state());
    EXPECT_EQ(1, StopMedia(id_));
    EXPECT_EQ((Values{MCI_MODE_STOP, 0, 1}), state());

    ASSERT_EQ(1, PlayMedia(id_, 100, 300, host()));
    EXPECT_EQ(WPARAM(MCI_NOTIFY_SUCCESSFUL), NotificationFor(id_));
    // Wine's wave driver may notify a moment before its position shows the end.
    EXPECT_TRUE(host_->PumpUntil([this] { return GetMediaPosition(id_) == 300; }, 1000))
        << GetMediaPosition(id_);
    EXPECT_EQ("", log_.Text());
}

// An unanswered media-present question counts as present.
TEST_F(MciDevice, BadIdsAndMissingFilesFailInTheLog) {
    EXPECT_EQ(0, PlayMedia(0, kNoMediaPosition, kNoMediaPosition, nullptr));
    EXPECT_EQ((Values{0, 1, 1, 0, 0}),
              (Values{GetMediaLength(0), IsMediaPresent(0), ULONG(CheckCDAudioPresent(0)),
                      GetMediaTrackLength(0, 1), GetMediaTrackStartPosition(0, 1)}));
    EXPECT_EQ(0, OpenMedia("waveaudio", MediaPath("missing.wav").c_str(), nullptr, nullptr));
    EXPECT_EQ(1, log_.Count(MciRecord("-- PLAY -- ", MCIERR_INVALID_DEVICE_ID)));
    EXPECT_EQ(3, log_.Count("-- STATUS -- "));
    for (const char* label :
         {"-- Get Track-Start-Len -- ", "-- Get Track-Start-Pos -- ", "-- OPEN -- "})
        EXPECT_EQ(1, log_.Count(label)) << label;
}

// The sound group: the format of a stereo 16-bit wave and its length in milliseconds whatever
// time format the device is in.
TEST_F(MciDevice, ASoundReportsItsWaveFormatAndItsLengthInAnyTimeFormat) {
    id_ = OpenSound("waveaudio", MediaPath(kTone.file).c_str(), "qernosound", host());
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

TEST_F(MciDevice, SoundCallsWithoutADeviceFileOrDriverAreLoggedFailures) {
    // The wave queries share one guard; the length has its own.
    EXPECT_EQ(0UL, GetWaveBytespersec(0) + GetSoundLength(0));
    EXPECT_EQ(2, log_.Count("of SoundInvalid Media-ID \r\n"));
    // Which files and devices MCI refuses is checked with OpenMedia; here, the record.
    EXPECT_EQ(0, OpenSound("sequencer", MediaPath("missing.mid").c_str(), nullptr, nullptr));
    EXPECT_EQ(1, log_.Count("-- OPEN -- "));
}

} // namespace
