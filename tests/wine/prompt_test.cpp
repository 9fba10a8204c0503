// The library's message box and its prompts, driven as a user would: a timer of the test's
// thread finds the modal box, reads it and answers with a key or a click. The painted text
// cannot be read back, so texts are checked in the records the prompts write to the log.
#include "Qerno.h"
#include "support/HostWindow.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT kFirstButton = 20000;
constexpr unsigned int kEnd = 0xFFFFFFFF;

using Answer = std::function<void(HWND box)>;

Answer Key(WPARAM key) {
    return [key](HWND box) { PostMessageA(GetFocus() ? GetFocus() : box, WM_KEYDOWN, key, 0); };
}
Answer Click(int button) {
    return [button](HWND box) {
        PostMessageA(GetDlgItem(box, kFirstButton + button), BM_CLICK, 0, 0);
    };
}
const Answer kCloseBox = [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); };

// The box as it came up; handle stays null when none did.
struct BoxSeen {
    HWND handle = nullptr;
    std::string title;
    RECT window = {};
    struct {
        std::string label;
        bool visible = false;
        RECT rect = {}; // in the box's client coordinates
    } buttons[3];
    int ticksAfterAnswer = 0;
    bool stuck = false; // the answer did not close it
};

BoxSeen* seen = nullptr;
const Answer* answer = nullptr;

std::string WindowText(HWND window) {
    char text[256]; // longer than any title or label the tests use
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowA("#32770", nullptr); // the process's only dialog
    if (box && !IsWindowVisible(box))
        box = nullptr;
    if (box && seen->handle && ++seen->ticksAfterAnswer > 100) {
        seen->stuck = true;
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    }
    if (!box || seen->handle)
        return;
    seen->handle = box;
    seen->title = WindowText(box);
    GetWindowRect(box, &seen->window);
    for (int i = 0; i < 3; ++i) {
        HWND button = GetDlgItem(box, kFirstButton + i);
        auto& b = seen->buttons[i];
        b.label = WindowText(button);
        b.visible = IsWindowVisible(button);
        GetWindowRect(button, &b.rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b.rect), 2);
    }
    (*answer)(box);
}

BoxSeen ShowAndAnswer(const Answer& how, const std::function<void()>& show) {
    BoxSeen box;
    seen = &box;
    answer = &how;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    show();
    KillTimer(nullptr, timer);
    EXPECT_FALSE(box.stuck);
    return box;
}

// A log record: one line whatever the text holds.
std::string Record(unsigned int levelId, unsigned int cateId, std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return ResourceString(levelId) + " -- " + ResourceString(cateId) + " -- " + text + "\r\n";
}
std::string Info(const std::string& text) {
    return Record(11603, 11616, text);
}
std::string Error(const std::string& text) {
    return Record(11601, 11616, text);
}
std::string BadAddress(const char* address) {
    return Record(11601, 11617, std::string("Invalid string address: ") + address + " -- ignored");
}

std::string SystemText(DWORD code) {
    char text[1024] = ""; // longer than any system message
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    return text;
}

class Prompts : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = new HostWindow;
        InitQernoDll(host_->handle(), LoadLibraryA("QernoRes.dll"));
        SetWindowPos(host_->handle(), nullptr, 300, 200, 400, 300, SWP_NOZORDER);
        ShowWindow(host_->handle(), SW_SHOWNOACTIVATE);
    }
    static void TearDownTestSuite() { delete host_; }
    void SetUp() override { ASSERT_NE(nullptr, GetSysLog()); }

    static HWND host() { return host_->handle(); }
    // What show logs, answering its box (if any) with Enter.
    static std::string Logged(const std::function<void()>& show, BoxSeen* box = nullptr) {
        LogCapture log("qerno-prompt-test.log");
        const BoxSeen shown = ShowAndAnswer(Key(VK_RETURN), show);
        if (box)
            *box = shown;
        return log.Text();
    }

    static HostWindow* host_;
};
HostWindow* Prompts::host_ = nullptr;

// The sets and the default button are tested natively; here, that labels, hiding, the focus and
// the results reach the box. Escape and the close box cancel, even a box without Cancel.
TEST_F(Prompts, ButtonsShowTheirLabelsAndGiveTheirResults) {
    const std::vector<UINT> abortRetryIgnore = {12006, 12004, 12005}, yesNo = {12000, 12001};
    const struct {
        UINT flags;
        Answer answer;
        int result;
        std::vector<UINT> labels;
    } cases[] = {
        {MB_ABORTRETRYIGNORE, Click(0), IDABORT, abortRetryIgnore},
        {MB_ABORTRETRYIGNORE, Click(1), IDRETRY, abortRetryIgnore},
        {MB_ABORTRETRYIGNORE, Click(2), IDIGNORE, abortRetryIgnore},
        {MB_YESNO, Click(1), IDNO, yesNo},
        {MB_OK, Click(0), IDOK, {12003}},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, Key(VK_RETURN), IDNO, {12000, 12001, 12002}},
        {MB_YESNO | MB_DEFBUTTON3, Key(VK_RETURN), IDYES, yesNo}, // no third button
        {MB_OK, Key(VK_ESCAPE), IDCANCEL, {12003}},
        {MB_YESNO, kCloseBox, IDCANCEL, yesNo},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        int result = 0;
        const BoxSeen box = ShowAndAnswer(
            c.answer, [&] { result = KvtMessageBox(host(), "Which one?", "Buttons", c.flags); });
        EXPECT_EQ("Buttons", box.title);
        EXPECT_EQ(c.result, result);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(i < c.labels.size(), box.buttons[i].visible) << i;
            if (i < c.labels.size()) {
                EXPECT_EQ(ResourceString(c.labels[i]), box.buttons[i].label) << i;
            }
        }
    }
}

// The arithmetic is tested natively; this checks what the box feeds it and does with it: lines
// measured in the font a window's DC comes with (not the dialog's), the first 16 only, the
// system's icon and frame sizes, the window centred on its owner, the buttons of the template's
// size in a centred row under the text.
TEST_F(Prompts, TheBoxIsLaidOutAroundItsTextIconAndButtons) {
    std::vector<std::string> lines;
    std::string text;
    for (int i = 1; i <= 20; ++i) {
        lines.push_back("Line " + std::to_string(i) + " of a message long enough to set the width");
        text += lines.back() + "\n";
    }
    const BoxSeen box = ShowAndAnswer(Key(VK_ESCAPE), [&] {
        KvtMessageBox(host(), text.c_str(), "Layout", MB_ABORTRETRYIGNORE | MB_ICONHAND);
    });

    HDC dc = GetDC(nullptr);
    int widest = 0, textHeight = 16 + 15 * 4; // the padding, and the gaps between 16 lines
    for (int i = 0; i < 16; ++i) {
        SIZE extent = {};
        GetTextExtentPoint32A(dc, lines[i].c_str(), static_cast<int>(lines[i].size()), &extent);
        widest = std::max<int>(widest, extent.cx);
        textHeight += extent.cy;
    }
    ReleaseDC(nullptr, dc);
    const RECT& first = box.buttons[0].rect;
    const int bw = first.right - first.left, bh = first.bottom - first.top;
    const int row = 3 * bw + 2 * 12;
    const int rectWidth = widest + 16 + GetSystemMetrics(SM_CXICON) + 24;
    ASSERT_GT(rectWidth, row + 48) << "the text, not the buttons, must set the width";
    ASSERT_GT(textHeight, 2 * GetSystemMetrics(SM_CYICON)) << "and the height";
    const int width = rectWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME) + 24;
    EXPECT_EQ(width, box.window.right - box.window.left);
    EXPECT_EQ(textHeight + bh + 36 + GetSystemMetrics(SM_CYCAPTION) +
                  2 * GetSystemMetrics(SM_CYDLGFRAME),
              box.window.bottom - box.window.top);

    RECT owner;
    GetWindowRect(host(), &owner);
    EXPECT_NEAR(owner.left + owner.right, box.window.left + box.window.right, 1);
    EXPECT_NEAR(owner.top + owner.bottom, box.window.top + box.window.bottom, 1);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RECT& button = box.buttons[i].rect;
        EXPECT_EQ((width - row) / 2 + i * (bw + 12), button.left);
        EXPECT_EQ(textHeight + 24, button.top);
        EXPECT_EQ(bw, button.right - button.left);
        EXPECT_EQ(bh, button.bottom - button.top);
    }
}

// Lists are (id, string) pairs until the end mark; a string that cannot be read stops the list.
TEST_F(Prompts, EveryPromptShowsItsCaptionAndLogsItsText) {
    const std::string mine = ResourceString(11266), error = ResourceString(12009);
    const std::string bytes = ResourceString(12204);
    char* start = const_cast<char*>("Start ");
    char* kUnmapped = reinterpret_cast<char*>(0x10);
    const struct {
        std::function<void()> show;
        std::string title;
        std::string logged;
    } cases[] = {
        {[] { PromptSTMsg(host(), "Given", "Given text", MB_YESNO); }, "Given", Info("Given text")},
        {[] { PromptITMsgID(host(), 11266, 12037, MB_YESNO); }, mine, Info(ResourceString(12037))},
        {[&] { PromptITMsgIDs(host(), 11266, MB_OK, 0, start, 12204, "7", kEnd); }, mine,
         Info("Start " + bytes + "7")},
        {[&] { PromptSTMsgIDs(host(), "List", MB_OK, 0, start, 12204, kUnmapped, kEnd); }, "List",
         BadAddress("00000010") + Info("Start " + bytes)},
        {[&] { PromptSTMsgIDs(host(), "List", MB_OK, 0, start, 0, nullptr, kEnd); }, "List",
         BadAddress("00000000") + Info("Start ")},
        // Every id takes a string: the end mark is read as the string of 12204.
        {[&] { PromptSTMsgIDs(host(), "List", MB_OK, 0, start, 12204, kEnd); }, "List",
         BadAddress("FFFFFFFF") + Info("Start " + bytes)},
        {[] { PromptError(host(), "Plain\ntext"); }, error, Error("Plain\ntext")},
        {[] {
             // A resource module without the caption's string, nor the log's level names.
             const HINSTANCE resources = GetRCDllInstance();
             SetRCDllInstance(GetModuleHandleA(nullptr));
             PromptError(host(), "No caption");
             SetRCDllInstance(resources);
         },
         "Warning", "00000002 -- 00010000 -- No caption\r\n"},
        {[&] { PromptErrorIDs(host(), 0, start, 12204, "5", kEnd); }, error,
         Error("Start " + bytes + "5")},
        {[] { PromptErrorFmt(host(), const_cast<char*>("%d of %s"), 42, "x"); }, error,
         Error("42 of x")},
        {[] { PromptErrorIDFmt(host(), 12204, const_cast<char*>("%ld"), 1200L); }, error,
         Error(bytes + "1200")},
        {[] { PromptDiskSpaceLess('C', 1200, host()); }, error,
         Error("C:" + ResourceString(12203) + "\n" + bytes + "1200")},
        {[] {
             SetLastError(ERROR_FILE_NOT_FOUND);
             PromptSysError(host());
         },
         error, Error(SystemText(ERROR_FILE_NOT_FOUND))},
        {[] {
             SetLastError(ERROR_FILE_NOT_FOUND);
             PromptSysErrorFmt(host(), 0, "Last");
         },
         error, Error("Last -- " + SystemText(ERROR_FILE_NOT_FOUND))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        BoxSeen box;
        EXPECT_EQ(c.logged, Logged(c.show, &box));
        EXPECT_EQ(c.title, box.title);
    }
}

TEST_F(Prompts, EmptyTextsShowAndLogNothing) {
    int result = 0;
    BoxSeen box;
    EXPECT_EQ("", Logged(
                      [&] {
                          result = PromptSTMsg(host(), "Empty", "", MB_YESNO);
                          PromptError(host(), "");
                          PromptErrorID(host(), 1); // no such string
                          SetLastError(0);
                          PromptSysError(host());
                      },
                      &box));
    EXPECT_EQ(nullptr, box.handle);
    EXPECT_EQ(IDOK, result);
}

TEST_F(Prompts, SystemErrorTextsAreTheSystemsCutToTheBuffer) {
    const std::string notFound = SystemText(ERROR_FILE_NOT_FOUND);
    ASSERT_GT(notFound.size(), 9u);
    char text[256];
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(notFound.size(), GetSystemErrorMsg(text, sizeof text));
    EXPECT_EQ(notFound, text);
    EXPECT_EQ(9u, GetSystemErrorMsg(text, ERROR_FILE_NOT_FOUND, 10));
    EXPECT_EQ(notFound.substr(0, 9), text);
    EXPECT_EQ(0u, GetSystemErrorMsg(text, 0x2FFFFFFF, sizeof text));
}

TEST_F(Prompts, AFileNameTooLongForTheBufferIsNamed) {
    char file[4] = ""; // too small for the name typed
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = host();
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.Flags = OFN_EXPLORER;
    ShowAndAnswer(
        [](HWND dialog) {
            SetDlgItemTextA(dialog, cmb13, "C:\\a-name-longer-than-the-buffer.txt");
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        },
        [&] { EXPECT_FALSE(GetOpenFileNameA(&open)); });
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL)
        GTEST_SKIP() << "the open-file dialog ended with " << CommDlgExtendedError();
    EXPECT_EQ(Error("FNERR_BUFFERTOOSMALL"), Logged([] { PromptCommDlgError(host()); }));
}

} // namespace
