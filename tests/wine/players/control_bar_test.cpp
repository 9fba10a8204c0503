// The control bar on real stage windows: the buttons made for the media, their faces from the
// sheet, the thumb following play, a click on the track and a drag of the thumb seeking, the
// position text. Where each piece goes for any width is checked natively.
#include "players/PlayerTestSupport.h"

namespace {

using namespace testmedia;

// The cells of the resource module's button and thumb sheets.
constexpr int kButtonWidth = 24, kButtonHeight = 22, kThumbWidth = 12;

std::vector<int> ButtonIds(HWND stage) {
    std::vector<int> ids;
    for (int id = 2900; id <= 2907; ++id)
        if (GetDlgItem(stage, id))
            ids.push_back(id);
    return ids;
}

// The device's position that a thumb with its left edge at pixel shows.
unsigned long ValueAt(HWND stage, unsigned long range, int pixel) {
    RECT client;
    GetClientRect(stage, &client);
    const int travelStart = 8 - kThumbWidth / 2;
    const int trackWidth = client.right - 32 - 8;
    return static_cast<unsigned long>(double((pixel - travelStart) * range) / trackWidth + 0.5);
}

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
    struct {
        const std::string& path;
        std::vector<int> ids;
    } const rows[] = {
        {kLongSound, {2900, 2901, 2902, 2903, 2904, 2905, 2907}},
        // A 160-pixel picture is too narrow for the video's full row of 8 buttons.
        {kVideo, {2900, 2901, 2906, 2907}},
    };
    for (const auto& row : rows) {
        const HWND stage = Open("row", row.path);
        EXPECT_EQ(row.ids, ButtonIds(stage)) << row.path;
        EXPECT_EQ(int(row.ids.size()) * kButtonWidth + 18, GetWindowWord(stage, 2)) << "its area";
        RECT client;
        GetClientRect(stage, &client);
        // The third button, after the stop button's gap.
        EXPECT_EQ(
            (std::vector<int>{57, client.bottom - 4 - kButtonHeight, kButtonWidth, kButtonHeight}),
            Place(GetDlgItem(stage, row.ids[2]), stage));
        CloseMediaFile(host(), "row");
    }
}

TEST_F(ControlBar, ButtonsShowTheirCellOfTheSheet) {
    const HWND stage = Open("tone", kLongSound);
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
}

TEST_F(ControlBar, TheThumbFollowsPlayAndTheTextThePosition) {
    const HWND stage = Open("tone", kLongSound);
    const HWND thumb = GetDlgItem(stage, 2908);
    ASSERT_NE(nullptr, thumb);
    const int start = Place(thumb, stage)[0];
    EXPECT_EQ(8 - kThumbWidth / 2, start);
    EXPECT_TRUE(PumpUntil([&] { return Place(thumb, stage)[0] > start; }));

    Command(stage, 2900);
    Command(stage, 2902);
    UpdateWindow(stage);
    const int atStart = InkedPixels(stage);
    EXPECT_GT(atStart, 0);
    Command(stage, 2905);
    UpdateWindow(stage);
    EXPECT_NE(atStart, InkedPixels(stage)) << "another text at the end";
}

TEST_F(ControlBar, AClickOnTheTrackOrADragOfTheThumbSeeks) {
    // Frames 0 to 19, paused: the device stands where the bar sent it.
    const HWND stage = Open("bars", kVideo, 0, 19);
    const unsigned short device = DeviceOf(kVideo);
    Command(stage, 2900);
    RECT client;
    GetClientRect(stage, &client);
    const int x = 8 + (client.right - 40) / 3;
    SendMessageA(stage, WM_LBUTTONUP, 0, MAKELPARAM(x, client.bottom - 72 + 2));
    EXPECT_EQ(ValueAt(stage, 19, x - kThumbWidth / 2), GetMediaPosition(device));

    const HWND thumb = GetDlgItem(stage, 2908);
    const int from = Place(thumb, stage)[0];
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kThumbWidth / 2, 2));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(kThumbWidth / 2 + 30, 2));
    EXPECT_EQ(from + 30, Place(thumb, stage)[0]);
    const unsigned long dragged = ValueAt(stage, 19, from + 30);
    EXPECT_EQ(dragged, GetMediaPosition(device)) << "frames seek while the thumb moves";
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(kThumbWidth / 2 + 30, 2));
    EXPECT_EQ(dragged, GetMediaPosition(device));
    EXPECT_EQ(0, IsMediaPlaying(device));
}

} // namespace
