// Movie windows. This machine has no animation driver, so the commands are driven on devices
// that exist: the AVI driver, whose blocks for these commands are laid out as the animation
// ones, and the wave driver, which refuses them.
#include "media/MediaTestSupport.h"

namespace {

using namespace testmedia;

class MovieWindow : public MediaTest {};

TEST_F(MovieWindow, AnimationDevicesAreNotInstalledHere) {
    const std::string file = MediaPath(kDrawnVideo.file);
    for (const char* type : {"MMMovie", "Animation1"})
        EXPECT_EQ(0, OpenMovie(type, file.c_str(), "movie", host(), host(), WS_CHILD));
    EXPECT_EQ(2, log_.Count(MciRecord("-- OPEN -- ", MCIERR_DEVICE_NOT_INSTALLED)));
}

TEST_F(MovieWindow, DrawsAndPlaysThroughTheCommonBlocks) {
    OpenChildVideo(kDrawnVideo.file);
    ASSERT_EQ(1, SetMoviePosition(id_, 11));
    CanvasDC canvas(kVideoWidth, kVideoHeight);
    HBITMAP bitmap = GetMovieBitmap(id_, canvas.get());
    RECT whole = {0, 0, kVideoWidth, kVideoHeight};
    PaintBitmap(canvas.get(), bitmap, &whole);
    EXPECT_EQ(0, PixelsOffFrame(canvas.get(), 11));
    DeleteObject(bitmap);

    RECT area = {4, 8, 84, 68};
    EXPECT_EQ(1, SetMovieArea(id_, &area));
    RECT frame = {};
    EXPECT_EQ(1, GetMovieFrame(id_, &frame, 1));
    EXPECT_EQ((RECT{4, 8, 80, 60}), frame);

    // Any negative bound is left out: from frame 11 to 14.
    ASSERT_EQ(1, PlayMovie(id_, -5, 14, host()));
    EXPECT_EQ(static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL), NotificationFor(id_));
    EXPECT_EQ(14UL, GetMediaPosition(id_));
    EXPECT_EQ("", log_.Text());
}

TEST_F(MovieWindow, ARefusingDeviceStillFillsTheFrameAndFallsBackToItsSpeed) {
    id_ = OpenMedia("waveaudio", MediaPath(kWaves[0].file).c_str(), nullptr, nullptr);
    ASSERT_NE(0, id_);
    RECT frame = {1, 2, 3, 4};
    EXPECT_EQ(0, GetMovieFrame(id_, &frame, 0));
    EXPECT_EQ((RECT{0, 0, 0, 0}), frame) << "the block's values, even on failure";
    EXPECT_EQ(1, log_.Count("-- WHERE -- "));

    EXPECT_EQ(0UL, GetMovieNominalRate(id_));
    EXPECT_NE(0UL, GetMovieSpeed(id_));
    EXPECT_EQ(GetMovieSpeed(id_), GetMovieFrameRate(id_));
    EXPECT_EQ(2, log_.Count("-- Movie-Nominal-Rate -- "));
    EXPECT_EQ(0, UpdateMovie(id_, nullptr, nullptr));
    EXPECT_EQ(1, log_.Count("MCI-ERROR: invalid hDC in UpdateMovie()\r\n"));
}

} // namespace
