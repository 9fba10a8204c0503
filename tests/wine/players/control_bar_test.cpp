// The control bar on real stage windows: its rows of buttons, their faces from the sheet, the
// thumb following play, a click on the track and a drag of the thumb seeking, the position text.
#include "players/StageTestSupport.h"

namespace {

using namespace testmedia;

// The sheets' cells, measured as the bar measures them.
struct Sheets {
    Sheets() {
        BITMAP size;
        GetObjectA(buttons, sizeof size, &size);
        bw = size.bmWidth / 10;
        bh = size.bmHeight / 6;
        HBITMAP thumb = LoadBitmapA(module, MAKEINTRESOURCEA(6426));
        GetObjectA(thumb, sizeof size, &size);
        tw = size.bmWidth / 4;
        th = size.bmHeight;
        DeleteObject(thumb);
    }
    ~Sheets() { DeleteObject(buttons); }
    HMODULE module = GetModuleHandleA("QernoRes.dll");
    HBITMAP buttons = LoadBitmapA(module, MAKEINTRESOURCEA(6421));
    int bw, bh, tw, th;
};

RECT ClientRectOf(HWND window, HWND clientOf) {
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, clientOf, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<int> ButtonIds(HWND stage) {
    std::vector<int> ids;
    for (int id = 2900; id <= 2907; ++id)
        if (GetDlgItem(stage, id))
            ids.push_back(id);
    return ids;
}

// The device's position that a thumb with its left edge at pixel shows.
unsigned long ValueAt(HWND stage, const Sheets& sheets, unsigned long range, int pixel) {
    RECT client;
    GetClientRect(stage, &client);
    const int travelStart = 8 - sheets.tw / 2;
    const int trackWidth = client.right - 32 - 8;
    return static_cast<unsigned long>(double((pixel - travelStart) * range) / trackWidth + 0.5);
}

// The pixels of the position box that are not the face colour: the text drawn there.
int InkedPixels(HWND stage, const Sheets& sheets) {
    RECT client;
    GetClientRect(stage, &client);
    const int area = GetWindowWord(stage, 2);
    HDC dc = GetDC(stage);
    int inked = 0;
    for (int y = client.bottom - sheets.bh - 3; y < client.bottom - 6; ++y)
        for (int x = area + 9; x < client.right - 8; ++x)
            inked += GetPixel(dc, x, y) != GetSysColor(COLOR_BTNFACE);
    ReleaseDC(stage, dc);
    return inked;
}

class ControlBar : public StageTest {
protected:
    Sheets sheets_;
};

TEST_F(ControlBar, RowsFitTheMediaAndTheWidth) {
    struct {
        const std::string& path;
        std::vector<int> ids;
        int area; // in buttons and pixels
        int buttons;
    } const rows[] = {
        {kLongSound, {2900, 2901, 2902, 2903, 2904, 2905, 2907}, 18, 7},
        // A 160-pixel picture is too narrow for the video's full row of 8 buttons.
        {kVideo, {2900, 2901, 2906, 2907}, 18, 4},
    };
    for (const auto& row : rows) {
        const HWND stage = Open("row", row.path);
        EXPECT_EQ(row.ids, ButtonIds(stage)) << row.path;
        EXPECT_EQ(row.buttons * sheets_.bw + row.area, GetWindowWord(stage, 2));
        RECT client;
        GetClientRect(stage, &client);
        const RECT play = ClientRectOf(GetDlgItem(stage, 2900), stage);
        EXPECT_EQ(4, play.left);
        EXPECT_EQ(client.bottom - 4 - sheets_.bh, play.top);
        // A gap of 5 after the stop button.
        EXPECT_EQ(4 + 2 * sheets_.bw + 5, ClientRectOf(GetDlgItem(stage, row.ids[2]), stage).left);
        CloseMediaFile(host(), "row");
    }
}

TEST_F(ControlBar, ButtonsShowTheirCellOfTheSheet) {
    const HWND stage = Open("tone", kLongSound);
    Command(stage, 2900); // paused: the stop button shows its idle row
    HDC sheet = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(sheet, sheets_.buttons);
    const struct { int id, column, row; } faces[] = {{2902, 4, 1}, {2905, 7, 1}, {2901, 2, 0}};
    for (const auto& face : faces) {
        const HWND button = GetDlgItem(stage, face.id);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(button);
        int off = 0;
        for (int y = 0; y < sheets_.bh - 2; ++y)
            for (int x = 0; x < sheets_.bw - 2; ++x)
                off += GetPixel(dc, x, y) != GetPixel(sheet, face.column * sheets_.bw + 1 + x,
                                                      face.row * sheets_.bh + 1 + y);
        ReleaseDC(button, dc);
        EXPECT_EQ(0, off) << face.id;
    }
    SelectObject(sheet, previous);
    DeleteDC(sheet);
}

TEST_F(ControlBar, TheThumbFollowsPlayAndTheTextThePosition) {
    const HWND stage = Open("tone", kLongSound);
    const HWND thumb = GetDlgItem(stage, 2908);
    ASSERT_NE(nullptr, thumb);
    const LONG start = ClientRectOf(thumb, stage).left;
    EXPECT_EQ(8 - sheets_.tw / 2, start);
    EXPECT_TRUE(PumpUntil([&] { return ClientRectOf(thumb, stage).left > start; }));

    Command(stage, 2900);
    Command(stage, 2902);
    UpdateWindow(stage);
    const int atStart = InkedPixels(stage, sheets_);
    EXPECT_GT(atStart, 0);
    Command(stage, 2905);
    UpdateWindow(stage);
    EXPECT_NE(atStart, InkedPixels(stage, sheets_)) << "another text at the end";
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
    EXPECT_EQ(ValueAt(stage, sheets_, 19, x - sheets_.tw / 2), GetMediaPosition(device));
    SendMessageA(stage, WM_LBUTTONUP, 0, MAKELPARAM(x, client.bottom - 20));
    EXPECT_EQ(ValueAt(stage, sheets_, 19, x - sheets_.tw / 2), GetMediaPosition(device))
        << "off the track nothing moves";

    const HWND thumb = GetDlgItem(stage, 2908);
    const int from = ClientRectOf(thumb, stage).left;
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(sheets_.tw / 2, 2));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(sheets_.tw / 2 + 30, 2));
    EXPECT_EQ(from + 30, ClientRectOf(thumb, stage).left);
    const unsigned long dragged = ValueAt(stage, sheets_, 19, from + 30);
    EXPECT_EQ(dragged, GetMediaPosition(device)) << "frames seek while the thumb moves";
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(sheets_.tw / 2 + 30, 2));
    EXPECT_EQ(dragged, GetMediaPosition(device));
    EXPECT_EQ(0, IsMediaPlaying(device));
}

} // namespace
