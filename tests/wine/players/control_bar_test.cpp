// The control bar on real stage windows: the buttons made for the media, the thumb following play,
// the buttons, a click on the track and a drag of the thumb moving the device. Where each piece
// goes for any width, and which cell each face is, is checked natively.
#include "players/PlayerTestSupport.h"
#include "support/GdiSweep.h"

namespace {

// The cells of the resource module's button and thumb sheets.
constexpr int kButtonWidth = 24, kThumbWidth = 12;

class ControlBar : public PlayerTest {};

TEST_F(ControlBar, ButtonsAreMadeForTheMediaAndTheWidthAndTheThumbFollowsPlay) {
    const std::pair<std::string, std::vector<int>> rows[] = {
        {kLongSound, {2900, 2901, 2902, 2903, 2904, 2905, 2907}},
        // A 160-pixel picture is too narrow for the video's full row of 8 buttons.
        {kVideo, {2900, 2901, 2906, 2907}},
    };
    for (const auto& [path, expected] : rows) {
        const HWND stage = Open("row", path);
        std::vector<int> ids;
        for (int id = 2900; id <= 2907; ++id)
            if (GetDlgItem(stage, id))
                ids.push_back(id);
        EXPECT_EQ(expected, ids) << path;
        EXPECT_EQ(int(ids.size()) * kButtonWidth + 18, GetWindowWord(stage, 2)) << "its area";
        const HWND thumb = GetDlgItem(stage, 2908);
        EXPECT_EQ(2, Place(thumb, stage)[0]) << "half the thumb before the track";
        // The end of play moves the thumb too: it must move while the device still plays.
        const unsigned short device = DeviceOf(path);
        EXPECT_TRUE(host_->PumpUntil(
            [&] { return Place(thumb, stage)[0] > 2 && IsMediaPlaying(device); }, 10000));
        CloseMediaFile(host(), "row");
    }
}

TEST_F(ControlBar, PaintingLeavesNoObjectBehind) {
    const HWND stage = Open("paint", kLongSound);
    PauseMediaFile(host(), "paint");
    ExpectNoGdiObjectLeftBehind({{"a stage window's control bar", [stage] {
                                      RedrawWindow(stage, nullptr, nullptr,
                                                   RDW_INVALIDATE | RDW_UPDATENOW |
                                                       RDW_ALLCHILDREN);
                                  }}});
    CloseMediaFile(host(), "paint");
}

TEST_F(ControlBar, ButtonsStepATenthOfTheRangeAndTheTrackAndThumbSeek) {
    // Frames 2 to 12, paused: the device stands where the bar sent it. How steps stop at the
    // ends, and which pixel is which value, is checked natively.
    const HWND stage = Open("bars", kVideo, 2, 12);
    const unsigned short device = DeviceOf(kVideo);
    Command(stage, 2900);
    const std::pair<int, unsigned long> steps[] = {{2905, 12}, {2903, 11}, {2902, 2}, {2904, 3}};
    for (const auto& [button, position] : steps) {
        Command(stage, button);
        EXPECT_EQ(position, GetMediaPosition(device)) << button;
    }

    // The window's track runs from 8 to 126: a click at 48 puts the thumb's left edge at 42,
    // a third of the range on.
    RECT client;
    GetClientRect(stage, &client);
    ASSERT_EQ(158, client.right);
    SendMessageA(stage, WM_LBUTTONUP, 0, MAKELPARAM(48, client.bottom - 72 + 2));
    EXPECT_EQ(5UL, GetMediaPosition(device));
    const HWND thumb = GetDlgItem(stage, 2908);
    EXPECT_EQ(42, Place(thumb, stage)[0]);
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kThumbWidth / 2, 2));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(kThumbWidth / 2 + 30, 2));
    EXPECT_EQ(72, Place(thumb, stage)[0]);
    EXPECT_EQ(8UL, GetMediaPosition(device)) << "frames seek while the thumb moves";
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(kThumbWidth / 2 + 30, 2));
    EXPECT_EQ(8UL, GetMediaPosition(device));
    EXPECT_EQ(0, IsMediaPlaying(device));
}

} // namespace
