// Ink mixtures as the host stores them, each swatch in its screen colour and labelled in the
// complementary colour the library gives for text on it.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <cstdio>

namespace {

constexpr int kMargin = 24;
const char* const kPercent[12] = {"0",  "5",  "10", "20", "30", "40",
                                  "50", "60", "70", "80", "90", "100"};

COLOR_ITEM Mixture(int cyan, int magenta, int yellow, int black) {
    COLOR_ITEM colour;
    colour.cyan = cyan;
    colour.magenta = magenta;
    colour.yellow = yellow;
    colour.black = black;
    return colour;
}

void Swatch(HDC dc, RECT box, COLOR_ITEM colour, const char* label) {
    HBRUSH brush = CreateSolidBrush(CMYKtoRGB(colour));
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    const COLORREF previousColour = SetTextColor(dc, CMYKtoCharRGB(colour));
    DrawTextA(dc, label, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, previousColour);
}

// Cyan across and magenta down over six of the levels, at one yellow and black level.
void PaintGrid(HDC dc, int left, int top, int yellow, int black) {
    constexpr int kLevels[] = {0, 2, 4, 6, 8, 11};
    constexpr int kWidth = 48;
    constexpr int kHeight = 30;
    char text[48]; // "yellow 100 %, black 100 %" and the terminator
    std::snprintf(text, sizeof text, "yellow %s %%, black %s %%", kPercent[yellow],
                  kPercent[black]);
    DrawSceneText(dc, left, top, text);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            const int x = left + column * kWidth;
            const int y = top + 20 + row * kHeight;
            std::snprintf(text, sizeof text, "%s/%s", kPercent[kLevels[column]],
                          kPercent[kLevels[row]]);
            Swatch(dc, {x, y, x + kWidth, y + kHeight},
                   Mixture(kLevels[column], kLevels[row], yellow, black), text);
        }
    }
}

// The twelve levels of each ink alone, and of the three colour inks together.
void PaintLevels(HDC dc, int left, int top) {
    constexpr int kLabelWidth = 120;
    constexpr int kWidth = 70;
    constexpr int kHeight = 40;
    const char* const names[] = {"cyan", "magenta", "yellow", "black", "C = M = Y"};
    DrawSceneHeading(dc, left, top, "The twelve levels of each ink");
    for (int row = 0; row < 5; ++row) {
        const int y = top + 24 + row * (kHeight + 6);
        DrawSceneText(dc, left, y + 12, names[row]);
        for (int level = 0; level < 12; ++level) {
            const int x = left + kLabelWidth + level * kWidth;
            const COLOR_ITEM colour = row == 4
                                          ? Mixture(level, level, level, 0)
                                          : Mixture(row == 0 ? level : 0, row == 1 ? level : 0,
                                                    row == 2 ? level : 0, row == 3 ? level : 0);
            char label[8]; // "100 %" and the terminator
            std::snprintf(label, sizeof label, "%s %%", kPercent[level]);
            Swatch(dc, {x, y, x + kWidth - 4, y + kHeight}, colour, label);
        }
    }
}

void Paint(HDC dc, const RECT&) {
    SetBkMode(dc, TRANSPARENT);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY,
                             0, "Arial");
    HGDIOBJ previousFont = SelectObject(dc, font);
    DrawSceneHeading(dc, kMargin, 16,
                     "Cyan across, magenta down (percent), through the colour "
                     "correction");
    const struct {
        int yellow;
        int black;
    } grids[] = {{0, 0}, {6, 0}, {0, 4}};
    for (int i = 0; i < 3; ++i)
        PaintGrid(dc, kMargin + i * 328, 44, grids[i].yellow, grids[i].black);
    PaintLevels(dc, kMargin, 300);
    SelectObject(dc, previousFont);
    DeleteObject(font);
}

} // namespace

extern const Scene kCmykScene = {"15-cmyk", "CMYK ink colours", Paint};
