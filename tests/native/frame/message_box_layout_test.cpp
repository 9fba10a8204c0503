// The button sets' labels and results and the default button are checked on the real box under
// Wine; the box's size and the places in it are checked here.
#include "frame/MessageBoxLayout.h"
#include "../geometry/rect_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Buttons of 75 x 23, icons of 32 x 32, dialog frames of 3 and a caption of 19.
MessageBoxLayout LaidOut(const std::vector<LineExtent>& lines, int buttonCount, bool hasIcon) {
    MessageBoxMeasures measures = {
        static_cast<int>(lines.size()), {}, buttonCount, 75, 23, hasIcon, 32, 32, 3, 3, 19};
    std::copy(lines.begin(), lines.end(), measures.lines);
    return LayOutMessageBox(measures);
}

TEST(MessageBox, ButtonsIconFocusAndLinesAndTheWiderOfThemSetTheSize) {
    EXPECT_EQ(3, ButtonsForFlags(0x3 | 0x30 | 0x200).count);
    const MessageButtons unknown = ButtonsForFlags(0x6);
    ASSERT_EQ(1, unknown.count);
    EXPECT_EQ(1, unknown.results[0]);

    EXPECT_EQ(MessageIcon::Question, IconForFlags(0x21));
    EXPECT_EQ(MessageIcon::Exclamation, IconForFlags(0x130));
    EXPECT_EQ(MessageIcon::None, IconForFlags(0x50));

    EXPECT_EQ(0, FocusButtonIndex(0x0 | 0x100, 1));
    EXPECT_EQ(0, FocusButtonIndex(0x3 | 0x300, 3));
    EXPECT_EQ(7, DefaultAnswer(0x4 | 0x100)); // Yes, No: No
    EXPECT_EQ(3, DefaultAnswer(0x2 | 0x300)); // Abort, Retry, Ignore: past the last, Abort
    EXPECT_STREQ("Ignore", AnswerName(5));
    EXPECT_STREQ("?", AnswerName(8));

    using Lines = std::vector<std::string>;
    EXPECT_EQ(Lines{}, SplitMessageLines(""));
    EXPECT_EQ(16u, SplitMessageLines(std::string(20, '\n')).size());
    EXPECT_EQ(Lines{"one"}, SplitMessageLines("one\n"));
    EXPECT_EQ((Lines{"one\r", "", "two"}), SplitMessageLines("one\r\n\ntwo"));

    LineExtent extents[kMaxMessageLines]; // one per line
    int measured = 0;
    const auto extent = [&](const std::string& line) {
        ++measured;
        return LineExtent{7 * static_cast<int>(line.size()), 13};
    };
    ASSERT_EQ(2, MeasureMessageLines({"", "abcd"}, extent, extents));
    EXPECT_TRUE(measured == 1 && extents[0].width == 0 && extents[0].height == 8 &&
                extents[1].width == 28);

    // The button row is centred on the window, not on the text's rectangle.
    MessageBoxLayout layout = LaidOut({{40, 16}, {0, 8}, {61, 16}}, 2, false);
    EXPECT_EQ((RectValue{12, 12, 12 + 2 * 75 + 12 + 48, 12 + 64}), Value(layout.textRect));
    EXPECT_TRUE(layout.windowWidth == 240 && layout.windowHeight == 148 && layout.textX == 86);
    EXPECT_EQ((PointValue{126, 88}), Value(layout.buttons[1]));
    EXPECT_EQ(52, layout.lineY[2]); // after a line of 16, an empty one of 8 and their gaps
    layout = LaidOut({{300, 16}}, 1, false);
    EXPECT_EQ((RectValue{12, 12, 12 + 316, 12 + 36}), Value(layout.textRect));

    layout = LaidOut({{301, 16}}, 1, true);
    EXPECT_EQ((RectValue{12, 12, 12 + 32 + 24 + 317, 12 + 2 * 32}), Value(layout.textRect));
    EXPECT_EQ((PointValue{24, 28}), Value(layout.icon));
    // Four lines outgrow the icon; three buttons outgrow icon and text.
    layout = LaidOut({{50, 16}, {50, 16}, {50, 16}, {50, 16}}, 3, true);
    EXPECT_EQ((RectValue{12, 12, 12 + 3 * 75 + 2 * 12 + 48, 12 + 8 + 4 * 16 + 3 * 4 + 8}),
              Value(layout.textRect));
}

} // namespace
