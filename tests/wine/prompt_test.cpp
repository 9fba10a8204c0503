// The library's message box and its prompts, driven as a user would: a timer of the test's
// thread finds the modal box, reads it and answers with a key or a click. The painted text
// cannot be read back, so texts are checked in the records the prompts write to the log.
#include "Qerno.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
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

struct ButtonSeen {
    std::string label;
    bool visible = false;
    RECT rect = {}; // in the box's client coordinates
};

// The box as it came up; handle stays null when none did.
struct BoxSeen {
    HWND handle = nullptr;
    std::string title;
    RECT window = {};
    ButtonSeen buttons[3];
    int focused = -1;
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

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    char className[16]; // "#32770" and room to spare
    if (!IsWindowVisible(window) || !GetClassNameA(window, className, sizeof className) ||
        lstrcmpA(className, "#32770"))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&box));
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
        ButtonSeen& b = seen->buttons[i];
        b.label = WindowText(button);
        b.visible = IsWindowVisible(button);
        GetWindowRect(button, &b.rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b.rect), 2);
        seen->focused = button && GetFocus() == button ? i : seen->focused;
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

// As the box measures: in the font a window's DC comes with.
SIZE Extent(const std::string& line) {
    HDC dc = GetDC(nullptr);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    ReleaseDC(nullptr, dc);
    return extent;
}

std::string String(unsigned int id) {
    char text[512] = ""; // longer than any string of the resource module
    LoadStringA(GetRCDllInstance(), id, text, sizeof text);
    return text;
}

// A log record: one line whatever the text holds.
std::string Record(unsigned int levelId, unsigned int cateId, std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return String(levelId) + " -- " + String(cateId) + " -- " + text + "\r\n";
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

std::string LogContent() {
    std::ifstream file(GetSysLog()->GetLogFile(), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
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
        const std::size_t before = LogContent().size();
        const BoxSeen shown = ShowAndAnswer(Key(VK_RETURN), show);
        if (box)
            *box = shown;
        return LogContent().substr(before);
    }

    static HostWindow* host_;
};
HostWindow* Prompts::host_ = nullptr;

TEST_F(Prompts, EachButtonSetHasItsLabelsAndResults) {
    const struct {
        UINT flags;
        std::vector<UINT> labels;
        std::vector<int> results;
    } sets[] = {
        {MB_OK, {12003}, {IDOK}},
        {MB_OKCANCEL, {12007, 12002}, {IDOK, IDCANCEL}},
        {MB_ABORTRETRYIGNORE, {12006, 12004, 12005}, {IDABORT, IDRETRY, IDIGNORE}},
        {MB_YESNOCANCEL, {12000, 12001, 12002}, {IDYES, IDNO, IDCANCEL}},
        {MB_YESNO, {12000, 12001}, {IDYES, IDNO}},
        {MB_RETRYCANCEL, {12004, 12002}, {IDRETRY, IDCANCEL}},
        {0x0F, {12003}, {IDOK}}, // a set the system does not define
    };
    for (const auto& set : sets) {
        for (size_t pressed = 0; pressed < set.results.size(); ++pressed) {
            SCOPED_TRACE(testing::Message() << "flags " << set.flags << ", button " << pressed);
            int result = 0;
            const BoxSeen box = ShowAndAnswer(Click(static_cast<int>(pressed)), [&] {
                result = KvtMessageBox(host(), "Which one?", "Buttons", set.flags);
            });
            EXPECT_EQ("Buttons", box.title);
            EXPECT_EQ(set.results[pressed], result);
            for (size_t i = 0; i < 3; ++i) {
                EXPECT_EQ(i < set.labels.size(), box.buttons[i].visible);
                if (i < set.labels.size()) {
                    EXPECT_EQ(String(set.labels[i]), box.buttons[i].label);
                }
            }
        }
    }
}

TEST_F(Prompts, EnterPressesTheDefaultButtonAndEscapeOrTheCloseBoxCancel) {
    const struct {
        UINT flags;
        Answer answer;
        int focused;
        int result;
    } cases[] = {
        {MB_YESNOCANCEL, Key(VK_RETURN), 0, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, Key(VK_RETURN), 1, IDNO},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, Key(VK_RETURN), 2, IDIGNORE},
        {MB_YESNO | MB_DEFBUTTON3, Key(VK_RETURN), 0, IDYES}, // no third button
        {MB_OK, Key(VK_ESCAPE), 0, IDCANCEL},
        {MB_YESNO, kCloseBox, 0, IDCANCEL},
    };
    for (const auto& c : cases) {
        int result = 0;
        const BoxSeen box = ShowAndAnswer(
            c.answer, [&] { result = KvtMessageBox(host(), "Sure?", "Keys", c.flags); });
        EXPECT_EQ(c.focused, box.focused) << "flags " << c.flags;
        EXPECT_EQ(c.result, result) << "flags " << c.flags;
    }
}

// The window fits the text block, the icon or the button row, whichever is larger, and is
// centred on its owner; the buttons keep the template's size in a centred row under the text.
void ExpectLayout(const std::vector<std::string>& shownLines, UINT flags, int buttonCount,
                  HWND owner) {
    std::string text;
    for (const std::string& line : shownLines)
        text += line + "\n";
    const BoxSeen box =
        ShowAndAnswer(Key(VK_ESCAPE), [&] { KvtMessageBox(owner, text.c_str(), "Layout", flags); });

    const RECT& first = box.buttons[0].rect;
    const int bw = first.right - first.left, bh = first.bottom - first.top;
    const int lineCount = std::min<int>(shownLines.size(), 16);
    int widest = 0, textHeight = 16 + 4 * (lineCount - 1);
    for (int i = 0; i < lineCount; ++i) {
        widest = std::max<int>(widest, Extent(shownLines[i]).cx);
        textHeight += Extent(shownLines[i]).cy;
    }
    const bool icon = flags & MB_ICONMASK;
    const int row = buttonCount * bw + (buttonCount - 1) * 12;
    const int rectWidth =
        std::max(widest + 16 + (icon ? GetSystemMetrics(SM_CXICON) + 24 : 0), row + 48);
    const int rectHeight = std::max(textHeight, icon ? 2 * GetSystemMetrics(SM_CYICON) : 36);
    const int width = rectWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME) + 24;
    EXPECT_EQ(width, box.window.right - box.window.left);
    EXPECT_EQ(rectHeight + bh + 36 + GetSystemMetrics(SM_CYCAPTION) +
                  2 * GetSystemMetrics(SM_CYDLGFRAME),
              box.window.bottom - box.window.top);

    RECT around;
    GetWindowRect(owner, &around);
    EXPECT_NEAR(around.left + around.right, box.window.left + box.window.right, 1);
    EXPECT_NEAR(around.top + around.bottom, box.window.top + box.window.bottom, 1);
    for (int i = 0; i < buttonCount; ++i) {
        EXPECT_EQ((width - row) / 2 + i * (bw + 12), box.buttons[i].rect.left) << i;
        EXPECT_EQ(rectHeight + 24, box.buttons[i].rect.top) << i;
        EXPECT_EQ(bw, box.buttons[i].rect.right - box.buttons[i].rect.left) << i;
    }
}

TEST_F(Prompts, TheBoxIsLaidOutAroundItsTextIconAndButtons) {
    ExpectLayout({"A first line of a message that is long enough", "and a second"}, MB_OKCANCEL, 2,
                 host());
    ExpectLayout({"Short"}, MB_ABORTRETRYIGNORE | MB_ICONHAND, 3, host());
    std::vector<std::string> twenty;
    for (int i = 1; i <= 20; ++i)
        twenty.push_back("Line " + std::to_string(i));
    ExpectLayout(twenty, MB_OK, 1, host()); // shows the first 16
}

int ShowList(HWND owner, unsigned int firstId, const char* firstText, ...) {
    va_list rest;
    va_start(rest, firstText);
    const int result =
        PromptSTMsgIDsArg(owner, "List", MB_OK, firstId, const_cast<char*>(firstText), rest);
    va_end(rest);
    return result;
}

std::string SystemText(DWORD code) {
    char text[1024] = ""; // longer than any system message
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    return text;
}

TEST_F(Prompts, EveryPromptShowsItsCaptionAndLogsItsText) {
    const std::string loaded = String(12037), bytes = String(12204), mine = String(11266);
    const std::string error = String(12009);
    char* start = const_cast<char*>("Start ");
    const struct {
        std::function<void()> show;
        std::string title;
        std::string logged;
    } cases[] = {
        {[] { PromptSTMsg(host(), "Given", "Given text", MB_YESNO); }, "Given", Info("Given text")},
        {[] { PromptITMsgID(host(), 11266, 12037, MB_YESNO); }, mine, Info(loaded)},
        {[&] { PromptITMsgIDs(host(), 11266, MB_OK, 0, start, 12204, "7", kEnd); }, mine,
         Info("Start " + bytes + "7")},
        {[] { ShowList(host(), 0, "Start ", 12204, "7", kEnd); }, "List",
         Info("Start " + bytes + "7")},
        {[] { ShowList(host(), 0, "Start ", 12204, reinterpret_cast<char*>(0x10), kEnd); }, "List",
         BadAddress("00000010") + Info("Start " + bytes)},
        {[] { ShowList(host(), 0, "Start ", 0, nullptr, kEnd); }, "List",
         BadAddress("00000000") + Info("Start ")},
        // Every id takes a string: the end mark is read as the string of 12204.
        {[&] { PromptSTMsgIDs(host(), "List", MB_OK, 0, start, 12204, kEnd); }, "List",
         BadAddress("FFFFFFFF") + Info("Start " + bytes)},
        {[] { PromptError(host(), "Plain\ntext"); }, error, Error("Plain\ntext")},
        {[&] { PromptErrorIDs(host(), 0, start, 12204, "5", kEnd); }, error,
         Error("Start " + bytes + "5")},
        {[] { PromptErrorFmt(host(), const_cast<char*>("%d of %s"), 42, "x"); }, error,
         Error("42 of x")},
        {[] { PromptErrorIDFmt(host(), 12204, const_cast<char*>("%ld"), 1200L); }, error,
         Error(bytes + "1200")},
        {[] { PromptDiskSpaceLess('C', 1200, host()); }, error,
         Error("C:" + String(12203) + "\n" + bytes + "1200")},
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
        BoxSeen box;
        EXPECT_EQ(c.logged, Logged(c.show, &box));
        EXPECT_EQ(c.title, box.title) << c.logged;
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
