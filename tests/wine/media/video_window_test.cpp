// Video and movie windows on Wine's real AVI driver: a display window inside the host, the frame
// drawn into a memory DC or a bitmap, play with a notification, and the log of every failure. The
// two drawing helpers: a bitmap copied into place, and the drag outline inverted on the screen and
// removed again.
#include "media/MediaTestSupport.h"
#include "support/GdiSweep.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

using namespace testmedia;

class VideoWindow : public MediaTest {};
class MovieWindow : public MediaTest {};

TEST_F(VideoWindow, OpensInAChildWindowItPlacesAndShowsAndReportsItsRates) {
    OpenChildVideo(kDrawnVideo.file);
    const HWND stage = GetVideoStageWnd(id_);
    EXPECT_EQ(host(), GetParent(stage));
    RECT frame = {};
    EXPECT_EQ(1, GetVideoFrame(id_, &frame, 0));
    EXPECT_EQ((RECT{0, 0, kVideoWidth, kVideoHeight}), frame);
    RECT area = {10, 20, 90, 80};
    EXPECT_EQ(1, SetVideoArea(id_, &area));
    EXPECT_EQ(1, GetVideoFrame(id_, &frame, 1));
    EXPECT_EQ((RECT{10, 20, 80, 60}), frame) << "MCI's left, top, width and height";

    RECT position = {5, 6, 100, 70}; // x, y, width, height
    EXPECT_EQ(1, SetVideoWndPos(id_, &position));
    RECT placed = {};
    GetWindowRect(stage, &placed);
    MapWindowPoints(nullptr, host(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ((RECT{5, 6, 105, 76}), placed);
    EXPECT_EQ(1, ShowVideoWindow(id_, SW_SHOW));
    EXPECT_TRUE(GetWindowLongA(stage, GWL_STYLE) & WS_VISIBLE);
    // A missing rectangle is the caller's mistake: nothing moves, the query still answers.
    EXPECT_EQ(0, SetVideoWndPos(id_, nullptr) + SetVideoArea(id_, nullptr));
    EXPECT_EQ(1, GetVideoFrame(id_, nullptr, 0));
    EXPECT_EQ("", log_.Text());

    // Rates in thousandths of a frame per second, speed in thousandths of normal; the open
    // leaves the driver's own time format.
    const unsigned long rate = kVideoFramesPerSecond * 1000UL;
    EXPECT_EQ((std::vector<unsigned long>{rate, rate, 1000, MCI_FORMAT_FRAMES}),
              (std::vector<unsigned long>{GetVideoFrameRate(id_), GetVideoNominalRate(id_),
                                          GetVideoSpeed(id_),
                                          GetVideoStatus(id_, MCI_STATUS_TIME_FORMAT)}));
    // Wine's driver takes a speed without using it: only the answer can be checked.
    EXPECT_EQ(2, SetVideoSpeed(id_, 500) + SetVideoAudioOn(id_, 0));
    EXPECT_EQ(0UL, GetVideoStatus(id_, 0x7FFF));
    EXPECT_EQ(1, log_.Count("-- Video-Status -- "));
}

TEST_F(VideoWindow, DrawsTheFrameItWasPositionedOn) {
    OpenChildVideo(kDrawnVideo.file);
    CanvasDC canvas(kVideoWidth, kVideoHeight);
    RECT whole = {0, 0, kVideoWidth, kVideoHeight};
    for (int frame : {0, kVideoFrames - 1}) {
        ASSERT_EQ(1, SetVideoPosition(id_, frame));
        EXPECT_EQ(1, UpdateVideo(id_, canvas.get(), nullptr));
        EXPECT_EQ(0, PixelsOffFrame(canvas.get(), frame)) << "frame " << frame;

        canvas.Clear();
        HBITMAP bitmap = GetVideoBitmap(id_, canvas.get());
        PaintBitmap(canvas.get(), bitmap, &whole);
        EXPECT_EQ(0, PixelsOffFrame(canvas.get(), frame)) << "bitmap of frame " << frame;
        DeleteObject(bitmap);
    }
    EXPECT_EQ("", log_.Text());
}

TEST_F(VideoWindow, FrameBitmapsAndUpdatesLeaveNoObjectBehind) {
    OpenChildVideo(kDrawnVideo.file);
    CanvasDC canvas(kVideoWidth, kVideoHeight);
    ExpectNoGdiObjectLeftBehind({{"GetVideoBitmap, GetMovieBitmap, UpdateVideo", [&] {
                                      DeleteObject(GetVideoBitmap(id_, canvas.get()));
                                      DeleteObject(GetMovieBitmap(id_, canvas.get()));
                                      UpdateVideo(id_, canvas.get(), nullptr);
                                  }}});
}

TEST_F(VideoWindow, PlaysBetweenItsBoundsAndNotifiesTheHost) {
    OpenChildVideo(kDrawnVideo.file);
    ASSERT_EQ(1, PlayVideo(id_, 2, 6, host()));
    EXPECT_EQ(static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL), NotificationFor(id_));
    EXPECT_EQ(6UL, GetMediaPosition(id_));

    // -1 leaves both bounds out: from frame 12 to the end, at least six frame times away.
    ASSERT_EQ(1, SetVideoPosition(id_, 12));
    const DWORD start = GetTickCount();
    ASSERT_EQ(1, PlayVideo(id_, -1, -1, host()));
    EXPECT_EQ(static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL), NotificationFor(id_));
    EXPECT_GE(GetTickCount() - start, 6 * 1000UL / kVideoFramesPerSecond - 50);
    EXPECT_GE(GetMediaPosition(id_), kVideoFrames - 1UL) << "Wine ends on the last frame";
    EXPECT_EQ(1, StopVideo(id_));
    EXPECT_EQ("", log_.Text());
}

// Every video and movie call guards its id the same way: one of each kind of answer. Stopping a
// video has no check of its own: MCI refuses it.
TEST_F(VideoWindow, WithoutADeviceVideoAndMovieCallsAreLoggedAndGiveNothing) {
    RECT rect = {1, 2, 3, 4};
    CanvasDC canvas(8, 8);
    EXPECT_EQ(0, GetVideoFrame(0, &rect, 0) + GetMovieFrame(0, &rect, 1));
    EXPECT_EQ((RECT{1, 2, 3, 4}), rect);
    EXPECT_EQ(0UL, GetVideoStatus(0, MCI_STATUS_MODE) + GetMovieStatus(0, MCI_STATUS_MODE));
    EXPECT_EQ(nullptr, GetVideoStageWnd(0));
    EXPECT_EQ(nullptr, GetMovieBitmap(0, canvas.get()));
    EXPECT_EQ(3, log_.Count("of VideoInvalid Media-ID \r\n"));
    EXPECT_EQ(3, log_.Count("of MovieInvalid Media-ID \r\n"));
    EXPECT_EQ(6, log_.Count("\r\n")) << "nothing else";

    EXPECT_EQ(0, StopVideo(0));
    EXPECT_EQ(1, log_.Count(MciRecord("-- STOP -- ", MCIERR_INVALID_DEVICE_ID)));
}

TEST_F(VideoWindow, FailuresOfTheDeviceAreLoggedWithMcisText) {
    for (const char* file : {"missing.avi", kTruncatedVideo})
        EXPECT_EQ(0, OpenVideo("AVIVideo", MediaPath(file).c_str(), nullptr, host(), nullptr, 0));
    EXPECT_EQ(1, log_.Count(MciRecord("-- OPEN -- ", MCIERR_FILE_NOT_FOUND)));
    EXPECT_EQ(1, log_.Count(MciRecord("-- OPEN -- ", MCIERR_INVALID_FILE)));

    OpenChildVideo(kDrawnVideo.file);
    EXPECT_EQ(0, UpdateVideo(id_, nullptr, nullptr));
    EXPECT_EQ(1, log_.Count("MCI-ERROR: invalid hDC in UpdateVideo()\r\n"));
    const unsigned short closed = id_;
    ASSERT_EQ(1, CloseVideo(closed));
    id_ = 0;
    RECT frame = {1, 2, 3, 4};
    EXPECT_EQ(0, GetVideoFrame(closed, &frame, 0));
    EXPECT_EQ((RECT{0, 0, 0, 0}), frame) << "the block's values, even on failure";
    EXPECT_EQ(0, SetVideoSpeed(closed, 1000));
    for (const char* label : {"-- Get-Video-Frame -- ", "-- Set-Video-Audio-OnOff -- "})
        EXPECT_EQ(1, log_.Count(MciRecord(label, MCIERR_INVALID_DEVICE_ID))) << label;
}

// Movie windows. This machine has no animation driver, so the commands are driven on devices
// that exist: the AVI driver, whose blocks for these commands are laid out as the animation
// ones, and the wave driver, which refuses them.
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

// The display window is read back through the video's status: the status items differ.
TEST_F(MovieWindow, ShowsAndHidesItsDisplayWindowAndHandsTheDisplayOver) {
    OpenChildVideo(kDrawnVideo.file);
    const HWND stage = GetVideoStageWnd(id_);
    EXPECT_EQ(1, ShowMovieWindow(id_, SW_SHOW));
    EXPECT_TRUE(GetWindowLongA(stage, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(1, ShowMovieWindow(id_, SW_HIDE));
    EXPECT_FALSE(GetWindowLongA(stage, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(1, SetMovieWindow(id_, host()));
    EXPECT_EQ(host(), GetVideoStageWnd(id_));
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

TEST(PaintBitmap, CopiesFromTheBitmapsCornerToTheRectsPlaceAndSize) {
    // Black with a grey 15 x 12 corner, which is all that lands in the place.
    std::vector<DWORD> pixels(40 * 30, 0);
    for (int y = 0; y < 12; ++y)
        std::fill_n(&pixels[y * 40], 15, 0x808080);
    HBITMAP bitmap = CreateBitmap(40, 30, 1, 32, pixels.data());
    CanvasDC target(60, 60);
    RECT place = {10, 20, 15, 12}; // x, y, width, height
    PaintBitmap(target.get(), nullptr, &place);
    EXPECT_EQ(0, target.CountDrawn());
    PaintBitmap(target.get(), bitmap, &place);
    RECT drawn = {};
    EXPECT_EQ(15 * 12, target.CountDrawn(&drawn));
    EXPECT_EQ((RECT{10, 20, 25, 32}), drawn);
    EXPECT_EQ(0x808080u, target.At(24, 31));
    DeleteObject(bitmap);
}

TEST(InvertTracker, InvertsAFrameOfTheWindowsSizeAndRemovesItTheSecondTime) {
    HWND window =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr);
    // Grabbed at (7, 9) and dropped at (207, 159): the frame, two pixels wide, starts at
    // (200, 150), its right and bottom edges beyond the window's own size. The first six points
    // lie on it, the others just inside or outside it.
    const POINT points[] = {{200, 150}, {251, 150}, {250, 170}, {200, 190}, {201, 189},
                            {251, 191}, {202, 152}, {249, 170}, {252, 170}};
    HDC screen = GetDC(nullptr);
    COLORREF before[std::size(points)];
    for (size_t i = 0; i < std::size(points); ++i)
        before[i] = GetPixel(screen, points[i].x, points[i].y);
    for (COLORREF inversion : {0xFFFFFFUL, 0UL}) {
        InvertTracker(window, {7, 9}, {207, 159});
        for (size_t i = 0; i < std::size(points); ++i)
            EXPECT_EQ(before[i] ^ (i < 6 ? inversion : 0),
                      GetPixel(screen, points[i].x, points[i].y))
                << "point " << i;
    }
    ReleaseDC(nullptr, screen);
    DestroyWindow(window);
}

} // namespace
