// The log's window: created hidden, trimmed to the latest records, hidden by its close box.
#include "Qerno.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kBarId = 4000;
constexpr int kTextId = 4001;

class LogWindow : public testing::Test {
protected:
    void SetUp() override {
        // The window takes its title and line-count format from the resource module.
        if (!GetRCDllInstance())
            SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
        log_.m_strLogFile = ""; // window only
    }

    HWND Window() const { return FindWindowA(nullptr, ResourceString(11266).c_str()); }
    int TextLines() const {
        return static_cast<int>(SendDlgItemMessageA(Window(), kTextId, EM_GETLINECOUNT, 0, 0));
    }
    std::string Line(int index) const {
        char line[128] = {}; // the start of a record
        *reinterpret_cast<WORD*>(line) = sizeof line - 1;
        const LRESULT length = SendDlgItemMessageA(Window(), kTextId, EM_GETLINE, index,
                                                   reinterpret_cast<LPARAM>(line));
        return std::string(line, static_cast<size_t>(length));
    }
    std::string Bar() const {
        char text[80] = {}; // the bar's text holds 79 characters
        GetDlgItemTextA(Window(), kBarId, text, sizeof text);
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

TEST_F(LogWindow, StartsHiddenAtTheDesktopsLowerRight) {
    log_.ShowMsgWnd(1);
    EXPECT_EQ(0, log_.IsMsgWndVisible()) << "no window yet";
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    EXPECT_EQ(1, log_.CreateMsgWnd(nullptr)) << "a second call keeps the window";
    EXPECT_EQ(0, log_.IsMsgWndVisible());

    RECT desktop, window;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(Window(), &window);
    EXPECT_EQ(desktop.right - 300, window.left);
    EXPECT_EQ(desktop.bottom - 100, window.top);
    EXPECT_EQ(300, window.right - window.left);
    EXPECT_EQ(200, window.bottom - window.top);

    log_.DeleteMsgWnd();
    EXPECT_EQ(nullptr, Window());
}

TEST_F(LogWindow, KeepsTheLatestHundredRecordsOncePastTwoHundredLines) {
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    Write(1, 200);
    ASSERT_EQ(201, TextLines()) << "200 records and the empty line after the last";

    Write(201, 201);
    EXPECT_EQ(101, TextLines());
    EXPECT_NE(std::string::npos, Line(0).find("record 102 "));
    EXPECT_NE(std::string::npos, Line(99).find("record 201 "));

    char expected[1024]; // wsprintf's own limit
    wsprintfA(expected, ResourceString(12059).c_str(), 101);
    EXPECT_EQ(expected, Bar());
}

TEST_F(LogWindow, CloseBoxHidesAndRecordsStillArrive) {
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    log_.ShowMsgWnd(1);
    EXPECT_EQ(1, log_.IsMsgWndVisible());

    SendMessageA(Window(), WM_CLOSE, 0, 0);
    ASSERT_NE(nullptr, Window()) << "closing must not destroy the window";
    EXPECT_EQ(0, log_.IsMsgWndVisible());
    Write(1, 3);
    EXPECT_EQ(4, TextLines());
}

TEST_F(LogWindow, MinimisingLeavesTheLayoutAlone) {
    ASSERT_EQ(1, log_.CreateMsgWnd(nullptr));
    log_.ShowMsgWnd(1);
    Write(1, 2);
    HWND text = GetDlgItem(Window(), kTextId);
    RECT before, after;
    GetWindowRect(text, &before);
    const std::string bar = Bar();

    ShowWindow(Window(), SW_MINIMIZE);
    GetWindowRect(text, &after);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
    EXPECT_EQ(bar, Bar());
}

} // namespace
