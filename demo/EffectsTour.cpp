#include "EffectsTour.h"

#include "DemoWindow.h"
#include "host/HostLoop.h"
#include "Qerno.h"
#include "SceneText.h"
#include "Screenshot.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kMargin = 24;
constexpr int kFrameCount = 12;
constexpr unsigned long kFrameStep = 83; // twelve frames span one cycle of 1000 time units
constexpr COLORREF kSparkleColour = RGB(255, 255, 150);
constexpr COLORREF kShimmerColour = RGB(255, 255, 255);
const COLORREF kPanelColours[] = {RGB(0, 0, 128), RGB(128, 0, 0), RGB(0, 96, 0), RGB(96, 0, 96)};

unsigned long effectTime = 0; // the time the scene paints at

// A solid panel with a lighter cross-hatch, so what the effects leave alone shows.
void FillPanel(HDC dc, const RECT& panel, COLORREF colour) {
    HBRUSH solid = CreateSolidBrush(colour);
    FillRect(dc, &panel, solid);
    DeleteObject(solid);
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, colour | RGB(64, 64, 64));
    FillRect(dc, &panel, hatch);
    DeleteObject(hatch);
}

// Each type in its column, named in its panels; corners and edge middles, with a small and a
// large arm, in the rows.
void PaintSparkles(HDC dc, int left, int top) {
    constexpr int kCellWidth = 136;
    constexpr int kCellHeight = 150;
    constexpr int kPanelHeight = 124;
    const struct {
        int size;
        int midpoints;
    } rows[] = {{10, 0}, {10, 1}, {24, 0}, {24, 1}};
    DrawSceneHeading(dc, left, top, "Sparkle: types 0 to 3, on corners and on edge middles");
    for (int row = 0; row < 4; ++row) {
        const int y = top + 24 + row * kCellHeight;
        char caption[32]; // "edge middles, arm 24" and the terminator
        std::snprintf(caption, sizeof caption, "%s, arm %d",
                      rows[row].midpoints ? "edge middles" : "corners", rows[row].size);
        DrawSceneText(dc, left, y, caption);
        for (unsigned short type = 0; type < 4; ++type) {
            const int x = left + type * kCellWidth;
            RECT panel = {x, y + 18, x + kCellWidth - 14, y + 18 + kPanelHeight};
            FillPanel(dc, panel, kPanelColours[type]);
            const std::string name = "type " + std::to_string(type);
            SetTextColor(dc, RGB(255, 255, 255));
            DrawTextA(dc, name.c_str(), -1, &panel, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            SetTextColor(dc, RGB(0, 0, 0));
            DrawSparkle(dc, type, effectTime, kSparkleColour, &panel, rows[row].size,
                        rows[row].midpoints);
        }
    }
}

void PaintShimmers(HDC dc, int left, int top) {
    constexpr int kCellWidth = 210;
    constexpr int kCellHeight = 300;
    const char* const directions[] = {"0: left to right", "1: right to left", "2: top to bottom",
                                      "3: bottom to top"};
    DrawSceneHeading(dc, left, top, "Shimmer: bars of whole tiles");
    for (unsigned short direction = 0; direction < 4; ++direction) {
        const int x = left + direction % 2 * kCellWidth;
        const int y = top + 24 + direction / 2 * kCellHeight;
        DrawSceneText(dc, x, y, std::string("direction ") + directions[direction]);
        RECT panel = {x, y + 18, x + kCellWidth - 20, y + kCellHeight - 12};
        FillPanel(dc, panel, kPanelColours[direction]);
        DrawShimmer(dc, direction, effectTime, kShimmerColour, &panel, GetHoriShimmerBmp(),
                    GetVertShimmerBmp());
    }
}

void PaintEffects(HDC dc, const RECT&) {
    SetBkMode(dc, TRANSPARENT);
    char title[64]; // the time line below
    std::snprintf(title, sizeof title, "Time %lu of the cycle of 1000, sparkle step %lu",
                  effectTime, effectTime % 1000 * 6 / 2000);
    DrawSceneHeading(dc, kMargin, 12, title);
    PaintSparkles(dc, kMargin, 40);
    PaintShimmers(dc, kMargin + 4 * 136 + 16, 40);
}

const Scene kEffectsScene = {"16-effects", "Sparkle and shimmer", PaintEffects};

} // namespace

bool TourEffects(HWND host, const std::string& outDirectory) {
    bool allSaved = true;
    for (int frame = 0; frame < kFrameCount; ++frame) {
        effectTime = frame * kFrameStep;
        ShowScene(host, kEffectsScene);
        PumpMessages();
        char name[24]; // "\16-effects-11.png" and the terminator
        std::snprintf(name, sizeof name, "\\%s-%02d.png", kEffectsScene.name, frame);
        const std::string path = outDirectory + name;
        const bool saved = SaveWindowScreenshot(host, path);
        std::printf("%s %s\n", saved ? "saved" : "FAILED to save", path.c_str());
        allSaved = allSaved && saved;
    }
    return allSaved;
}
