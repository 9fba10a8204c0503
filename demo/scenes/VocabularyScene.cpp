// Measure units on rulers, the predefined actions by category and the names of typed keys.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kLineHeight = 18;
constexpr int kLinesPerPixel = 10; // 144 pixels to the inch
constexpr int kRulerLeft = 190;
constexpr int kRulerWidth = 800;
constexpr int kRulerHeight = 50;

// One line cut with an ellipsis where its column ends.
void Line(HDC dc, int x, int y, int width, const std::string& text) {
    RECT line = {x, y, x + width, y + kLineHeight};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &line,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

struct Ruler {
    WORD unit;
    DWORD param;
    const char* sizeNote;
};

int PixelsOf(double value, const Ruler& ruler) {
    return UnitToLine(static_cast<float>(value), ruler.unit, ruler.param) / kLinesPerPixel;
}

// Ticks at every level of the unit's division scheme, shorter at each finer level, down to the
// level whose ticks would crowd closer than 3 pixels. The finest level at least 50 pixels apart
// carries the labels.
void PaintRuler(HDC dc, int y, const Ruler& ruler) {
    char name[kMsrNameSize];
    GetMsrNameStr(ruler.unit, name);
    DrawSceneText(dc, kMargin, y + 8, name);
    DrawSceneText(dc, kMargin, y + 8 + kLineHeight, ruler.sizeNote);

    const int baseline = y + 22;
    MoveToEx(dc, kRulerLeft, baseline, nullptr);
    LineTo(dc, kRulerLeft + kRulerWidth, baseline);

    long scheme[5] = {};
    double step = FormUnitSystem(ruler.unit, scheme);
    const int tickHeights[5] = {18, 12, 8, 5, 3};
    double labelStep = step;
    for (int level = 0; level < 5; ++level) {
        if (level > 0) {
            if (scheme[level] == 0)
                break;
            step /= scheme[level];
        }
        const int spacing = PixelsOf(2 * step, ruler) - PixelsOf(step, ruler);
        if (spacing < 3)
            break;
        if (spacing >= 50)
            labelStep = step;
        for (int n = 0;; ++n) {
            const int x = kRulerLeft + PixelsOf(n * step, ruler);
            if (x > kRulerLeft + kRulerWidth)
                break;
            MoveToEx(dc, x, baseline, nullptr);
            LineTo(dc, x, baseline - tickHeights[level]);
        }
    }
    for (int n = 0;; ++n) {
        const int x = kRulerLeft + PixelsOf(n * labelStep, ruler);
        if (x > kRulerLeft + kRulerWidth - 30)
            break;
        char label[kUnitTextSize];
        UnitToUnitStr(static_cast<float>(n * labelStep), label);
        DrawSceneText(dc, x + 2, baseline + 2, label);
    }
}

void PaintRulers(HDC dc, int y) {
    DrawSceneHeading(dc, kMargin, y,
                     "Rulers: ticks from each unit's division scheme, labels in its text");
    const Ruler rulers[] = {
        {4, 0, "1440 line units"},
        {8, 0, "566.9403 line units"},
        {3, 0, "20 line units"},
        {9, 1000, "56694.03 / 1000"},
        {10, 80 | 20 << 16, "cells of 400, gaps of 20"},
    };
    y += kLineHeight + 4;
    for (const Ruler& ruler : rulers) {
        PaintRuler(dc, y, ruler);
        y += kRulerHeight;
    }
}

std::string ActionName(WORD action) {
    char name[80];
    GetPredefActName(action, name, sizeof name);
    return name;
}

// Every defined action, grouped by its category, in the order of its number.
void PaintActions(HDC dc, int x, int y, int width) {
    DrawSceneHeading(dc, x, y, "Predefined actions by category");
    std::vector<std::string> byCategory[12];
    int count[12] = {};
    for (WORD action = 0; action < 1000; ++action) {
        int index = -1;
        const int category = GetActCategoryType(action, &index);
        if (index == -1)
            continue;
        ++count[category];
        byCategory[category].push_back(ActionName(action));
    }
    for (int category = 0; category < 12; ++category) {
        std::string names;
        for (const std::string& name : byCategory[category])
            names += (names.empty() ? "" : ", ") + name;
        char head[24];
        std::snprintf(head, sizeof head, "%2d  (%d)", category, count[category]);
        const int row = y + (category + 1) * kLineHeight;
        DrawSceneText(dc, x, row, head);
        Line(dc, x + 56, row, width - 56, names);
    }

    const int messages = y + 14 * kLineHeight;
    DrawSceneHeading(dc, x, messages, "Predefined messages");
    std::string names;
    for (WORD message = 1; message <= 8; ++message) {
        char name[80];
        GetPredefMsgName(message, name, sizeof name);
        names += std::to_string(message) + " " + name + (message < 8 ? ",  " : "");
    }
    Line(dc, x, messages + kLineHeight, width, names);
}

struct KeyDown {
    WORD virtualKey;
    BOOL ctrl;
    BOOL shift;
    BOOL capsLock;
    const char* typed;
};

void PaintKeys(HDC dc, int x, int y) {
    DrawSceneHeading(dc, x, y, "Key-downs, their event keys, names and names read back");
    const KeyDown sequence[] = {
        {'S', TRUE, FALSE, FALSE, "Ctrl+S"},
        {VK_F5, FALSE, FALSE, FALSE, "F5"},
        {'1', FALSE, TRUE, FALSE, "Shift+1"},
        {'A', FALSE, TRUE, TRUE, "Shift+A, Caps Lock"},
        {VK_OEM_1, FALSE, FALSE, FALSE, ";"},
        {VK_OEM_1, FALSE, TRUE, FALSE, "Shift+;"},
        {VK_OEM_4, FALSE, TRUE, FALSE, "Shift+["},
        {VK_NUMPAD3, FALSE, TRUE, FALSE, "Shift+Num 3"},
        {VK_MULTIPLY, FALSE, FALSE, FALSE, "Num *"},
        {VK_HOME, TRUE, FALSE, FALSE, "Ctrl+Home"},
        {VK_RETURN, FALSE, TRUE, FALSE, "Shift+Enter"},
        {VK_F12, FALSE, FALSE, FALSE, "F12"},
        {VK_SHIFT, FALSE, TRUE, FALSE, "Shift alone"},
    };
    int row = y + kLineHeight;
    for (const KeyDown& down : sequence) {
        const WORD key = GetEVKey(down.virtualKey, down.ctrl, down.shift, down.capsLock);
        char name[kEVKeyNameSize];
        GetEVKeyName(key, name);
        char line[96];
        std::snprintf(line, sizeof line, "0x%03X  \"%s\"  reads 0x%03X", key, name,
                      GetEVKeyFromKeyStr(name));
        DrawSceneText(dc, x, row, down.typed);
        DrawSceneText(dc, x + 130, row, line);
        row += kLineHeight;
    }
    char typed[] = "Ctrl + Del";
    DrawSceneText(dc, x, row + 6, "\"Ctrl + Del\" without blanks:");
    RemoveWhiteSpace(typed);
    char line[64];
    std::snprintf(line, sizeof line, "\"%s\" reads 0x%03X", typed, GetEVKeyFromKeyStr(typed));
    DrawSceneText(dc, x + 170, row + 6, line);
}

void PaintVocabulary(HDC dc, const RECT& client) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    PaintRulers(dc, kMargin);
    const int lower = kMargin + kLineHeight + 5 * kRulerHeight + 20;
    const int split = client.left + 560;
    PaintActions(dc, kMargin, lower, split - 2 * kMargin);
    PaintKeys(dc, split, lower);
    RestoreDC(dc, saved);
}

} // namespace

extern const Scene kVocabularyScene = {"07-vocabulary", "Measure units, actions and keys",
                                       PaintVocabulary};
