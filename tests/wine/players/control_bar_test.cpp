// The control bar on real stage windows: the buttons made for the media, their faces from the
// sheet, the thumb following play, the buttons, a click on the track and a drag of the thumb
// moving the device, the position text. Where each piece goes for any width is checked natively.
#include "players/PlayerTestSupport.h"

namespace {

// The cells of the resource module's button and thumb sheets.
constexpr int kButtonWidth = 24, kButtonHeight = 22, kThumbWidth = 12;

// The pixels of the position box that are not the face colour: the text drawn there.
int InkedPixels(HWND stage) {
    RECT client;
    GetClientRect(stage, &client);
    const int area = GetWindowWord(stage, 2);
    HDC dc = GetDC(stage);
    int inked = 0;
    for (int y = client.bottom - kButtonHeight - 3; y < client.bottom - 6; ++y)
        for (int x = area + 9; x < client.right - 8; ++x)
            inked += GetPixel(dc, x, y) != GetSysColor(COLOR_BTNFACE);
    ReleaseDC(stage, dc);
    return inked;
}

class ControlBar : public PlayerTest {};

TEST_F(ControlBar, ButtonsAreMadeForTheMediaAndTheWidth) {
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
        RECT client;
        GetClientRect(stage, &client);
        // The third button, after the stop button's gap.
        EXPECT_EQ(
            (std::vector<int>{57, client.bottom - 4 - kButtonHeight, kButtonWidth, kButtonHeight}),
            Place(GetDlgItem(stage, expected[2]), stage));
        CloseMediaFile(host(), "row");
    }
}

TEST_F(ControlBar, TheThumbFollowsPlayTheButtonsShowTheirCellAndTheTextThePosition) {
    const HWND stage = Open("tone", kLongSound);
    const HWND thumb = GetDlgItem(stage, 2908);
    ASSERT_NE(nullptr, thumb);
    const int start = Place(thumb, stage)[0];
    EXPECT_EQ(8 - kThumbWidth / 2, start);
    EXPECT_TRUE(PumpUntil([&] { return Place(thumb, stage)[0] > start; }));

    Command(stage, 2900); // paused: the stop button shows its idle row
    HBITMAP buttons = LoadBitmapA(GetModuleHandleA("QernoRes.dll"), MAKEINTRESOURCEA(6421));
    HDC sheet = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(sheet, buttons);
    const struct { int id, column, row; } faces[] = {{2902, 4, 1}, {2905, 7, 1}, {2901, 2, 0}};
    for (const auto& face : faces) {
        const HWND button = GetDlgItem(stage, face.id);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(button);
        int off = 0;
        for (int y = 0; y < kButtonHeight - 2; ++y)
            for (int x = 0; x < kButtonWidth - 2; ++x)
                off += GetPixel(dc, x, y) != GetPixel(sheet, face.column * kButtonWidth + 1 + x,
                                                      face.row * kButtonHeight + 1 + y);
        ReleaseDC(button, dc);
        EXPECT_EQ(0, off) << face.id;
    }
    SelectObject(sheet, previous);
    DeleteDC(sheet);
    DeleteObject(buttons);

    Command(stage, 2902);
    UpdateWindow(stage);
    const int atStart = InkedPixels(stage);
    EXPECT_GT(atStart, 0);
    Command(stage, 2905);
    UpdateWindow(stage);
    EXPECT_NE(atStart, InkedPixels(stage)) << "another text at the end";
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
