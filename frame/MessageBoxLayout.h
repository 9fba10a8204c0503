// The library's own message box as arithmetic: which buttons, which icon, where everything goes.
// The dialog measures and draws; this decides.
#pragma once

#include "QernoTypes.h"

#include <functional>
#include <string>
#include <vector>

constexpr int kMaxMessageButtons = 3;
constexpr int kMaxMessageLines = 16;

struct MessageButtons {
    int count;
    UINT labelIds[kMaxMessageButtons]; // only the first count are used
    int results[kMaxMessageButtons];
};

// From flags & 0x0F.
MessageButtons ButtonsForFlags(UINT flags);

enum class MessageIcon { None, Hand, Question, Exclamation, Asterisk };

// From flags & 0xF0.
MessageIcon IconForFlags(UINT flags);

// Index of the button that takes the focus, from flags & 0xF00.
int FocusButtonIndex(UINT flags, int buttonCount);

// The result of the button that takes the focus: what Enter answers.
int DefaultAnswer(UINT flags);
// "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes" or "No"; "?" for any other result.
const char* AnswerName(int result);

// The lines between line feeds, at most kMaxMessageLines of them.
std::vector<std::string> SplitMessageLines(const std::string& text);

struct LineExtent {
    int width;
    int height;
};

using TextExtent = std::function<LineExtent(const std::string& line)>;

// Measures each line; an empty line, which the extent function would give no height, counts 0 x 8.
// Gives the number of lines measured.
int MeasureMessageLines(const std::vector<std::string>& lines, const TextExtent& textExtent,
                        LineExtent (&extents)[kMaxMessageLines]);

struct MessageBoxMeasures {
    int lineCount;
    LineExtent lines[kMaxMessageLines]; // only the first lineCount are used
    int buttonCount;
    int buttonWidth;
    int buttonHeight;
    bool hasIcon;
    int iconWidth;
    int iconHeight;
    int dialogFrameWidth;
    int dialogFrameHeight;
    int captionHeight;
};

// Positions are in the dialog's client coordinates, sizes in pixels.
struct MessageBoxLayout {
    int textWidth;
    int textHeight;
    RECT textRect;
    int windowWidth;
    int windowHeight;
    POINT buttons[kMaxMessageButtons]; // only the first buttonCount are used
    POINT icon;
    int textX;
    int lineY[kMaxMessageLines]; // only the first lineCount are used
};

MessageBoxLayout LayOutMessageBox(const MessageBoxMeasures& measures);
