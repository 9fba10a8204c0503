// MCI device control on Wine's real wave-audio driver: every command, its log record on failure,
// and a completion notification through a real message loop.
#include "media/MediaTestSupport.h"

namespace {

const testmedia::Wave& kTone = testmedia::kWaves[1];

class MciDevice : public MediaTest {
protected:
    void OpenTone() {
        id_ = OpenMedia("waveaudio", MediaPath(kTone.file).c_str(), nullptr, nullptr);
        ASSERT_NE(0, id_);
    }
};

TEST_F(MciDevice, ErrorTextsAreLoggedUnderTheirLabels) {
    EXPECT_EQ(1, ShowMciErrorStr(0, "-- PLAY -- "));
    EXPECT_EQ(1, ShowMciErrorStr(0));
    EXPECT_EQ("", log_.Text());

    EXPECT_EQ(0, ShowMciErrorStr(kInvalidMediaId, "-- PLAY -- "));
    // The log turns the text's line feed into a blank.
    EXPECT_EQ(1, log_.Count("-- PLAY -- Invalid Media-ID \r\n"));
    EXPECT_EQ(0, ShowMciErrorStr(MCIERR_INVALID_DEVICE_ID, "-- SEEK -- "));
    EXPECT_EQ(1, log_.Count(MciRecord("-- SEEK -- ", MCIERR_INVALID_DEVICE_ID)));
    EXPECT_EQ(0, ShowMciErrorStr(MCIERR_FILE_NOT_FOUND));
    EXPECT_EQ(1, log_.Count(MciRecord("", MCIERR_FILE_NOT_FOUND)));
    EXPECT_EQ(0, ShowCustomErrorStr("MCI-ERROR: a custom text"));
    EXPECT_EQ(1, log_.Count("MCI-ERROR: a custom text\r\n"));
}

TEST_F(MciDevice, OpensAWaveInMillisecondsAndQueriesIt) {
    OpenTone();
    EXPECT_EQ(static_cast<unsigned long>(MCI_FORMAT_MILLISECONDS), GetMediaTimeFormat(id_));
    EXPECT_EQ(static_cast<unsigned long>(kTone.milliseconds), GetMediaLength(id_));
    EXPECT_EQ(0UL, GetMediaPosition(id_));
    EXPECT_EQ(1UL, GetMediaTrackCount(id_));
    EXPECT_EQ(static_cast<unsigned long>(MCI_MODE_STOP), GetMediaMode(id_));
    EXPECT_EQ(1UL, IsMediaPresent(id_));
    EXPECT_EQ(1UL, IsMediaReady(id_));
    EXPECT_EQ(1UL, GetMediaCurrentTrack(id_));
    EXPECT_EQ(0UL, GetMediaStartPosition(id_));
    EXPECT_EQ(static_cast<unsigned long>(kTone.milliseconds), GetMediaTrackLength(id_, 1));
    EXPECT_EQ(0UL, GetMediaTrackStartPosition(id_, 1));
    EXPECT_EQ("", log_.Text());

    EXPECT_EQ(1, SetMediaTimeFormat(id_, MCI_FORMAT_BYTES));
    const unsigned long bytes = GetMediaLength(id_);
    EXPECT_EQ(static_cast<unsigned long>(kTone.samplesPerSecond) * kTone.milliseconds / 1000 *
                  kTone.channels * kTone.bitsPerSample / 8,
              bytes);
}

TEST_F(MciDevice, SeeksToStartEndAndPositions) {
    OpenTone();
    EXPECT_EQ(1, SetMediaPosition(id_, 1200));
    EXPECT_EQ(1200UL, GetMediaPosition(id_));
    EXPECT_EQ(1, SetMediaPosition(id_, kNoMediaPosition));
    EXPECT_EQ(GetMediaLength(id_), GetMediaPosition(id_));
    EXPECT_EQ(1, SetMediaPosition(id_, 0));
    EXPECT_EQ(0UL, GetMediaPosition(id_));
    EXPECT_EQ(0, SetMediaPosition(id_, 99999));
    EXPECT_EQ(1, log_.Count("-- SEEK -- "));
}

TEST_F(MciDevice, PlaysPausesAndStopsWithoutWaiting) {
    OpenTone();
    EXPECT_EQ(1, PlayMedia(id_, kNoMediaPosition, kNoMediaPosition, nullptr));
    EXPECT_EQ(1, IsMediaPlaying(id_));
    EXPECT_EQ(0, IsMediaStop(id_));
    EXPECT_EQ(1, PauseMedia(id_));
    EXPECT_EQ(static_cast<unsigned long>(MCI_MODE_PAUSE), GetMediaMode(id_));
    EXPECT_EQ(1, IsMediaStop(id_));
    EXPECT_EQ(0, IsMediaPlaying(id_));
    EXPECT_EQ(1, StopMedia(id_));
    EXPECT_EQ(static_cast<unsigned long>(MCI_MODE_STOP), GetMediaMode(id_));
    EXPECT_EQ(1, IsMediaStop(id_));
    EXPECT_EQ("", log_.Text());
}

TEST_F(MciDevice, PlayToAPositionNotifiesTheHostWindow) {
    OpenTone();
    ASSERT_EQ(1, PlayMedia(id_, 100, 300, host()));
    EXPECT_EQ(static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL), NotificationFor(id_));
    EXPECT_EQ(300UL, GetMediaPosition(id_));
    EXPECT_EQ(1, IsMediaStop(id_));
}

TEST_F(MciDevice, AnOpenWithAnAliasAnswersToIt) {
    id_ = OpenMedia("waveaudio", MediaPath(kTone.file).c_str(), "qernotone", host());
    ASSERT_NE(0, id_);
    EXPECT_EQ(id_, mciGetDeviceIDA("qernotone"));
}

TEST_F(MciDevice, TheFilesExtensionChoosesTheDeviceNotTheTypeName) {
    id_ = OpenMedia("nosuchdevice", MediaPath(kTone.file).c_str(), nullptr, nullptr);
    ASSERT_NE(0, id_);
    EXPECT_EQ(static_cast<unsigned long>(kTone.milliseconds), GetMediaLength(id_));
    EXPECT_EQ("", log_.Text());
}

TEST_F(MciDevice, CommandsTheDeviceCannotDoAreLoggedWithMcisText) {
    OpenTone();
    const int video = SetVideoOnOff(id_, 1);
    const int audio = SetAudioOnOff(id_, 1, 0);
    // Wave audio has no picture; whatever the driver says is what the result and the log say.
    EXPECT_EQ(video, log_.Count("-- Set Video-OnOff -- ") == 0);
    EXPECT_EQ(audio, log_.Count("-- Set Audio-OnOff -- ") == 0);
    EXPECT_EQ(0, SetMediaTimeFormat(id_, MCI_FORMAT_TMSF));
    EXPECT_EQ(1, log_.Count("-- Set Time Format -- "));
}

TEST_F(MciDevice, BadIdsMissingFilesAndUnknownDevicesFailInTheLog) {
    EXPECT_EQ(0, PlayMedia(0, kNoMediaPosition, kNoMediaPosition, nullptr));
    EXPECT_EQ(1, log_.Count(MciRecord("-- PLAY -- ", MCIERR_INVALID_DEVICE_ID)));
    EXPECT_EQ(0, StopMedia(0));
    EXPECT_EQ(0, CloseMedia(0));
    EXPECT_EQ(0UL, GetMediaLength(0));
    EXPECT_EQ(1, log_.Count("-- STATUS -- "));
    // An unanswered media-present question counts as present.
    EXPECT_EQ(1UL, IsMediaPresent(0));
    EXPECT_EQ(1, CheckCDAudioPresent(0));
    EXPECT_EQ(0UL, GetMediaTrackLength(0, 1));
    EXPECT_EQ(1, log_.Count("-- Get Track-Start-Len -- "));
    EXPECT_EQ(0UL, GetMediaTrackStartPosition(0, 1));
    EXPECT_EQ(1, log_.Count("-- Get Track-Start-Pos -- "));

    OpenTone();
    const unsigned short closed = id_;
    ASSERT_EQ(1, CloseMedia(closed));
    id_ = 0;
    EXPECT_EQ(0, PauseMedia(closed));
    EXPECT_EQ(1, log_.Count("-- PAUSE -- "));

    EXPECT_EQ(0, OpenMedia("waveaudio", MediaPath("missing.wav").c_str(), nullptr, nullptr));
    EXPECT_EQ(
        0, OpenMedia("waveaudio", MediaPath(testmedia::kTruncatedWave).c_str(), nullptr, nullptr));
    EXPECT_EQ(0, OpenMedia("waveaudio", "C:\\no-such-file.qqq", nullptr, nullptr));
    EXPECT_EQ(3, log_.Count("-- OPEN -- "));
}

// Both ways of naming CD audio: tracks, minutes, seconds and frames where a drive answers, else
// one logged open failure each (this machine has no drive).
TEST_F(MciDevice, CdAudioOpensInTracksOrFailsInTheLog) {
    int failed = 0;
    for (unsigned short id : {OpenMedia("CDAudio", "ignored.cda", "ignored", nullptr),
                              OpenSound("cdaudio", nullptr, nullptr, nullptr)}) {
        failed += id == 0;
        if (id) {
            EXPECT_EQ(static_cast<unsigned long>(MCI_FORMAT_TMSF), GetMediaTimeFormat(id));
            CloseMedia(id);
        }
    }
    EXPECT_EQ(failed, log_.Count("-- OPEN -- "));
}

} // namespace
