// The log's window: created hidden, trimmed to the latest records, hidden by its close box.
#include "Qerno.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class LogWindow : public testing::Test {
protected:
    void SetUp() override {
        // The window takes its title and line-count format from the resource module.
        if (!GetRCDllInstance())
            SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
        log_.m_strLogFile = ""; // window only
    }

    HWND Window() const { return FindWindowA(nullptr, ResourceString(11266).c_str()); }
    HWND Records() const { return GetDlgItem(Window(), 4001); }
    int Lines() const { return static_cast<int>(SendMessageA(Records(), EM_GETLINECOUNT, 0, 0)); }
    std::string Text(HWND control) const {
        std::string text(GetWindowTextLengthA(control) + 1, '\0');
        text.resize(GetWindowTextA(control, &text[0], static_cast<int>(text.size())));
        return text;
    }
    // Long records: 200 of them outgrow an edit control's default limit of 30,000 characters.
    void Write(int first, int last) {
        const std::string padding(200, '.');
        for (int record = first; record <= last; ++record)
            log_.SysLog(kLogInfo, kLogCateFrame, "record %d %s", record, padding.c_str());
    }

    CSysLog log_;
};

TEST_F(LogWindow, StartsHiddenAndOnlyOnce) {
    log_.ShowMsgWnd(1);
    EXPECT_EQ(0, log_.IsMsgWndVisible()) << "no window yet";
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    EXPECT_EQ(1, log_.CreateMsgWnd(nullptr)) << "a second call keeps the window";
    EXPECT_EQ(0, log_.IsMsgWndVisible());
    log_.DeleteMsgWnd();
    EXPECT_EQ(nullptr, Window());
}

TEST_F(LogWindow, KeepsTheLatestHundredRecordsOncePastTwoHundredLines) {
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    Write(1, 200);
    ASSERT_EQ(201, Lines()) << "200 records and the empty line after the last";

    Write(201, 201);
    EXPECT_EQ(101, Lines());
    const std::string text = Text(Records());
    EXPECT_EQ(std::string::npos, text.find("record 101 "));
    EXPECT_NE(std::string::npos, text.find("record 102 "));
    EXPECT_NE(std::string::npos, text.find("record 201 "));
    char expected[1024]; // wsprintf's own limit
    wsprintfA(expected, ResourceString(12059).c_str(), 101);
    EXPECT_EQ(expected, Text(GetDlgItem(Window(), 4000))) << "the status bar";
}

TEST_F(LogWindow, TheCloseBoxOnlyHides) {
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    log_.ShowMsgWnd(1);
    EXPECT_EQ(1, log_.IsMsgWndVisible());
    Write(1, 2);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    ASSERT_NE(nullptr, Window()) << "closing must not destroy the window";
    EXPECT_EQ(0, log_.IsMsgWndVisible());
    Write(3, 3);
    EXPECT_EQ(4, Lines());
}

} // namespace
