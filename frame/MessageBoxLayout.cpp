#include "frame/MessageBoxLayout.h"

#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr int kButtonGap = 12;
constexpr int kLineGap = 4;
constexpr int kTextPadding = 8;
constexpr int kEmptyLineHeight = 8;
constexpr int kIconTextGap = 24;
constexpr int kTextAfterIcon = 20;
constexpr int kMinTextHeightWithoutIcon = 36;

int ButtonRowWidth(int count, int buttonWidth) {
    return count * buttonWidth + (count - 1) * kButtonGap;
}

} // namespace

MessageButtons ButtonsForFlags(UINT flags) {
    switch (flags & 0x0F) {
    case 1: // MB_OKCANCEL
        return {2, {12007, 12002}, {1, 2}};
    case 2: // MB_ABORTRETRYIGNORE
        return {3, {12006, 12004, 12005}, {3, 4, 5}};
    case 3: // MB_YESNOCANCEL
        return {3, {12000, 12001, 12002}, {6, 7, 2}};
    case 4: // MB_YESNO
        return {2, {12000, 12001}, {6, 7}};
    case 5: // MB_RETRYCANCEL
        return {2, {12004, 12002}, {4, 2}};
    default: // MB_OK and the values the system gives no meaning
        return {1, {12003}, {1}};
    }
}

MessageIcon IconForFlags(UINT flags) {
    switch (flags & 0xF0) {
    case 0x10:
        return MessageIcon::Hand;
    case 0x20:
        return MessageIcon::Question;
    case 0x30:
        return MessageIcon::Exclamation;
    case 0x40:
        return MessageIcon::Asterisk;
    default:
        return MessageIcon::None;
    }
}

// A default button the box does not have leaves the focus on the first.
int FocusButtonIndex(UINT flags, int buttonCount) {
    const UINT defaultButton = flags & 0xF00;
    if (defaultButton == 0x100 && buttonCount >= 2)
        return 1;
    if (defaultButton == 0x200 && buttonCount >= 3)
        return 2;
    return 0;
}

int DefaultAnswer(UINT flags) {
    const MessageButtons buttons = ButtonsForFlags(flags);
    return buttons.results[FocusButtonIndex(flags, buttons.count)];
}

const char* AnswerName(int result) {
    // Indexed by the command ids IDOK (1) to IDNO (7).
    static const char* const kNames[] = {"?",     "OK",     "Cancel", "Abort",
                                         "Retry", "Ignore", "Yes",    "No"};
    return result > 0 && result < 8 ? kNames[result] : kNames[0];
}

// A carriage return stays in its line; a line feed at the very end opens no line.
std::vector<std::string> SplitMessageLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size() && lines.size() < kMaxMessageLines) {
        const std::string::size_type feed = text.find('\n', start);
        if (feed == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    return lines;
}

int MeasureMessageLines(const std::vector<std::string>& lines, const TextExtent& textExtent,
                        LineExtent (&extents)[kMaxMessageLines]) {
    const int count = static_cast<int>(std::min<std::size_t>(lines.size(), kMaxMessageLines));
    for (int i = 0; i < count; ++i)
        extents[i] = lines[i].empty() ? LineExtent{0, kEmptyLineHeight} : textExtent(lines[i]);
    return count;
}

MessageBoxLayout LayOutMessageBox(const MessageBoxMeasures& in) {
    MessageBoxLayout out{};
    const int lineCount = std::min(in.lineCount, kMaxMessageLines);

    int widest = 0;
    int linesHeight = 0;
    for (int i = 0; i < lineCount; ++i) {
        widest = std::max(widest, in.lines[i].width);
        linesHeight += in.lines[i].height;
    }
    if (lineCount > 0)
        linesHeight += (lineCount - 1) * kLineGap;
    out.textWidth = widest + 2 * kTextPadding;
    out.textHeight = kTextPadding + linesHeight + kTextPadding;

    const int buttonsWidth = ButtonRowWidth(in.buttonCount, in.buttonWidth);
    const int neededWidth = buttonsWidth + 4 * kMargin;
    int rectWidth;
    int rectHeight;
    if (in.hasIcon) {
        rectWidth = std::max(in.iconWidth + kIconTextGap + out.textWidth, neededWidth);
        rectHeight = std::max(out.textHeight, 2 * in.iconHeight);
    } else {
        rectWidth = std::max(out.textWidth, neededWidth);
        rectHeight = std::max(out.textHeight, kMinTextHeightWithoutIcon);
    }
    out.textRect = {kMargin, kMargin, kMargin + rectWidth, kMargin + rectHeight};

    out.windowWidth = rectWidth + 2 * in.dialogFrameWidth + 2 * kMargin;
    out.windowHeight = rectHeight + in.buttonHeight + 2 * kMargin + in.captionHeight + kMargin +
                       2 * in.dialogFrameHeight;

    const int buttonY = rectHeight + 2 * kMargin;
    int buttonX = (out.windowWidth - buttonsWidth) / 2;
    for (int i = 0; i < in.buttonCount && i < kMaxMessageButtons; ++i) {
        out.buttons[i] = {buttonX, buttonY};
        buttonX += in.buttonWidth + kButtonGap;
    }

    const RECT& r = out.textRect;
    if (in.hasIcon) {
        out.icon.x =
            (r.left + r.right - (in.iconWidth + out.textWidth + kIconTextGap)) / 2 + kMargin;
        out.icon.y = (r.top + r.bottom - in.iconHeight) / 2;
        out.textX = out.icon.x + in.iconWidth + kTextAfterIcon;
    } else {
        out.textX = (r.left + r.right - out.textWidth) / 2 + kTextPadding;
    }
    int y = (r.top + r.bottom - out.textHeight) / 2 + kTextPadding;
    for (int i = 0; i < lineCount; ++i) {
        out.lineY[i] = y;
        y += in.lines[i].height + kLineGap;
    }
    return out;
}
