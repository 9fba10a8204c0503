#include "frame/MessageBoxLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MessageBoxButtons, SetsAndIconsByFlags) {
    MessageButtons buttons = ButtonsForFlags(0x2);
    ASSERT_EQ(3, buttons.count);
    EXPECT_EQ(12006u, buttons.labelIds[0]);
    EXPECT_EQ(5, buttons.results[2]);

    buttons = ButtonsForFlags(0x3 | 0x30 | 0x200); // icon and default bits do not count
    ASSERT_EQ(3, buttons.count);
    EXPECT_EQ(12002u, buttons.labelIds[2]);
    EXPECT_EQ(2, buttons.results[2]);

    buttons = ButtonsForFlags(0x5);
    ASSERT_EQ(2, buttons.count);
    EXPECT_EQ(4, buttons.results[0]);

    for (UINT unknown : {0x0u, 0x6u, 0xFu}) {
        buttons = ButtonsForFlags(unknown);
        ASSERT_EQ(1, buttons.count);
        EXPECT_EQ(12003u, buttons.labelIds[0]);
        EXPECT_EQ(1, buttons.results[0]);
    }

    EXPECT_EQ(MessageIcon::Question, IconForFlags(0x21));
    EXPECT_EQ(MessageIcon::Exclamation, IconForFlags(0x130));
    EXPECT_EQ(MessageIcon::None, IconForFlags(0x50));
}

TEST(MessageBoxButtons, FocusOnlyOnAButtonTheBoxHas) {
    EXPECT_EQ(2, FocusButtonIndex(0x3 | 0x200, 3));
    EXPECT_EQ(0, FocusButtonIndex(0x4 | 0x200, 2));
    EXPECT_EQ(1, FocusButtonIndex(0x4 | 0x100, 2));
    EXPECT_EQ(0, FocusButtonIndex(0x0 | 0x100, 1));
    EXPECT_EQ(0, FocusButtonIndex(0x3 | 0x300, 3));
}

TEST(MessageLines, SplitAtLineFeedsOnlyAndKeepSixteen) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Lines{}, SplitMessageLines(""));
    EXPECT_EQ(Lines{"one"}, SplitMessageLines("one\n"));
    EXPECT_EQ((Lines{"one\r", "", "two"}), SplitMessageLines("one\r\n\ntwo"));

    std::string text;
    for (int i = 0; i < 20; ++i)
        text += std::to_string(i) + "\n";
    const Lines lines = SplitMessageLines(text);
    ASSERT_EQ(16u, lines.size());
    EXPECT_EQ("15", lines.back());
}

TEST(MessageLines, EmptyLinesCountEightHighUnmeasured) {
    LineExtent extents[kMaxMessageLines]; // one per line
    int measured = 0;
    const auto extent = [&](const std::string& line) {
        ++measured;
        return LineExtent{7 * static_cast<int>(line.size()), 13};
    };
    ASSERT_EQ(2, MeasureMessageLines({"", "abcd"}, extent, extents));
    EXPECT_EQ(1, measured);
    EXPECT_EQ(0, extents[0].width);
    EXPECT_EQ(8, extents[0].height);
    EXPECT_EQ(28, extents[1].width);
}

MessageBoxMeasures Measures(std::vector<LineExtent> lines, int buttonCount, bool hasIcon) {
    MessageBoxMeasures measures{};
    measures.lineCount = static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        measures.lines[i] = lines[i];
    measures.buttonCount = buttonCount;
    measures.buttonWidth = 75;
    measures.buttonHeight = 23;
    measures.hasIcon = hasIcon;
    measures.iconWidth = 32;
    measures.iconHeight = 32;
    measures.dialogFrameWidth = 3;
    measures.dialogFrameHeight = 3;
    measures.captionHeight = 19;
    return measures;
}

void ExpectRect(const RECT& rect, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(left, rect.left);
    EXPECT_EQ(top, rect.top);
    EXPECT_EQ(right, rect.right);
    EXPECT_EQ(bottom, rect.bottom);
}

TEST(MessageBoxLayout, WithoutIconTheButtonRowSetsTheWidth) {
    const MessageBoxLayout layout =
        LayOutMessageBox(Measures({{40, 16}, {0, 8}, {61, 16}}, 2, false));
    EXPECT_EQ(77, layout.textWidth);
    EXPECT_EQ(8 + 16 + 8 + 16 + 2 * 4 + 8, layout.textHeight);
    ExpectRect(layout.textRect, 12, 12, 12 + 2 * 75 + 12 + 48, 12 + 64);
    EXPECT_EQ(210 + 6 + 24, layout.windowWidth);
    EXPECT_EQ(64 + 23 + 24 + 19 + 12 + 6, layout.windowHeight);

    EXPECT_EQ(39, layout.buttons[0].x); // (240 - 162) / 2
    EXPECT_EQ(39 + 87, layout.buttons[1].x);
    EXPECT_EQ(88, layout.buttons[0].y);
    EXPECT_EQ(88, layout.buttons[1].y);

    EXPECT_EQ(78 + 8, layout.textX); // (12 + 222 - 77) / 2 rounds down
    EXPECT_EQ(20, layout.lineY[0]);
    EXPECT_EQ(40, layout.lineY[1]);
    EXPECT_EQ(52, layout.lineY[2]);
}

TEST(MessageBoxLayout, WithoutIconAtLeastThirtySixHigh) {
    MessageBoxLayout layout = LayOutMessageBox(Measures({{300, 16}}, 1, false));
    ExpectRect(layout.textRect, 12, 12, 12 + 316, 12 + 36);
    EXPECT_EQ((12 + 48 - 32) / 2 + 8, layout.lineY[0]); // centred in the 36 rows

    layout = LayOutMessageBox(Measures({}, 1, false));
    EXPECT_EQ(16, layout.textWidth);
    EXPECT_EQ(16, layout.textHeight);
}

TEST(MessageBoxLayout, WithIconTheTextIconAndRowSetTheSize) {
    MessageBoxLayout layout = LayOutMessageBox(Measures({{301, 16}}, 1, true));
    EXPECT_EQ(317, layout.textWidth);
    ExpectRect(layout.textRect, 12, 12, 12 + 32 + 24 + 317, 12 + 2 * 32);
    EXPECT_EQ(373 + 6 + 24, layout.windowWidth);
    EXPECT_EQ(148, layout.windowHeight);
    EXPECT_EQ(164, layout.buttons[0].x); // (403 - 75) / 2
    EXPECT_EQ(88, layout.buttons[0].y);
    EXPECT_EQ(24, layout.icon.x);
    EXPECT_EQ(28, layout.icon.y);
    EXPECT_EQ(24 + 32 + 20, layout.textX);
    EXPECT_EQ(36, layout.lineY[0]);

    // Four lines outgrow the icon; three buttons outgrow icon and text.
    layout = LayOutMessageBox(Measures({{50, 16}, {50, 16}, {50, 16}, {50, 16}}, 3, true));
    ExpectRect(layout.textRect, 12, 12, 12 + 3 * 75 + 2 * 12 + 48, 12 + 8 + 4 * 16 + 3 * 4 + 8);
    EXPECT_EQ(39, layout.buttons[0].x); // (327 - 249) / 2
    EXPECT_EQ(39 + 2 * 87, layout.buttons[2].x);
    EXPECT_EQ(111, layout.icon.x); // (12 + 309 - 122) / 2 rounds down, + 12
}

} // namespace
