// The fancy characters: the chooser of all 102 styles at three cell sizes, opaque and
// transparent, and frames of whole tiles around rectangles in several raster modes.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <string>

namespace {

constexpr int kMargin = 20;
constexpr int kHeadingHeight = 18;
constexpr COLORREF kNavy = RGB(0, 0, 110);
constexpr COLORREF kGold = RGB(230, 180, 40);
constexpr COLORREF kWine = RGB(140, 0, 40);
constexpr COLORREF kSky = RGB(200, 225, 250);
constexpr COLORREF kCream = RGB(255, 250, 225);

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

struct Chooser {
    int cellSide;
    int perRow;
    bool opaque;
    COLORREF ground; // under a transparent chooser
};

// Opaque: the 0 bits in the text colour, the 1 bits in the background colour. Transparent with
// R2_COPYPEN: only the 1 bits, in the background colour. The numbers are in the text colour.
int PaintChooser(HDC dc, int y, const Chooser& chooser, const std::string& heading) {
    DrawSceneHeading(dc, kMargin, y, heading);
    y += kHeadingHeight;
    const int rows = (102 + chooser.perRow - 1) / chooser.perRow;
    RECT area = {kMargin, y, kMargin + chooser.perRow * chooser.cellSide,
                 y + rows * chooser.cellSide};
    SetBkMode(dc, chooser.opaque ? OPAQUE : TRANSPARENT);
    if (chooser.opaque) {
        SetTextColor(dc, kNavy);
        SetBkColor(dc, kGold);
    } else {
        Fill(dc, area, chooser.ground);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, chooser.ground == kSky ? kWine : kNavy);
    }
    PaintAllFancyChars(nullptr, dc, 0, chooser.cellSide, chooser.cellSide, &area, 1, 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    return area.bottom + 10;
}

struct Frame {
    int style;
    int tileSide;
    int rop2;
    bool shaded; // over a fountain fill, else over the scene's ground
    const char* caption;
};

// Transparent: the 1 bits of the tiles in the background colour with R2_COPYPEN; in other modes
// the 0 bits combine the text colour with the ground and the 1 bits leave it.
void PaintFrame(HDC dc, HDC memory, RECT box, const Frame& frame) {
    box.right = box.left + (box.right - box.left) / frame.tileSide * frame.tileSide;
    box.bottom = box.top + (box.bottom - box.top) / frame.tileSide * frame.tileSide;
    if (frame.shaded) {
        SelectObject(dc, GetStockObject(NULL_PEN));
        DrawFountainRect(dc, &box, nullptr, 0, 64, RGB(0, 90, 60), RGB(250, 240, 200), 0);
    }
    SetROP2(dc, frame.rop2);
    SetBkColor(dc, kWine);
    SetTextColor(dc, kWine);
    PaintFancyChar3(dc, memory, frame.style, &box, frame.tileSide, frame.tileSide);
    SetROP2(dc, R2_COPYPEN);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawSceneText(dc, box.left + frame.tileSide + 6, box.top + frame.tileSide + 4, frame.caption);
}

void PaintFancy(HDC dc, const RECT&) {
    const int savedState = SaveDC(dc);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);

    int y = 10;
    y = PaintChooser(dc, y, {24, 41, false, kCream},
                     "Styles 0 to 101 in cells of 24, transparent R2_COPYPEN: only the 1 bits, "
                     "in the background colour (navy)");
    y = PaintChooser(dc, y, {32, 30, false, kSky},
                     "In cells of 32, transparent over a blue ground, the background colour wine");
    const int largeTop = y;
    y = PaintChooser(dc, y, {48, 17, true, kSky},
                     "In cells of 48, opaque: 0 bits in the text colour (navy), 1 bits in the "
                     "background colour (gold)");

    DrawSceneHeading(dc, kMargin, y, "Frames of whole tiles, clockwise from the top-left corner");
    y += kHeadingHeight;
    HDC memory = CreateCompatibleDC(dc);
    const Frame frames[] = {
        {3, 16, R2_COPYPEN, false, "Style 3, tiles of 16"},
        {40, 24, R2_COPYPEN, true, "Style 40, tiles of 24"},
        {77, 12, R2_NOT, true, "Style 77, R2_NOT"},
        {90, 20, R2_MASKPEN, true, "Style 90, R2_MASKPEN"},
    };
    const int frameWidth = 235, frameHeight = 768 - kMargin - y;
    for (int i = 0; i < 4; ++i) {
        const int left = kMargin + i * (frameWidth + 14);
        PaintFrame(dc, memory, {left, y, left + frameWidth, y + frameHeight}, frames[i]);
    }
    const int right = kMargin + 17 * 48 + 20;
    PaintFrame(dc, memory, {right, largeTop + kHeadingHeight, 1024 - kMargin, y - 30},
               {61, 16, R2_COPYPEN, false, "Style 61"});
    DeleteDC(memory);
    RestoreDC(dc, savedState);
}

} // namespace

extern const Scene kFancyScene = {"17-fancy", "Fancy characters", PaintFancy};
