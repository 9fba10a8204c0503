// The library's message box and its prompts, driven as a user would: a timer of the test's
// thread finds the modal box, reads it and answers with a key or a click. The painted text
// cannot be read back, so texts are checked in the records the prompts write to the log.
#include "Qerno.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr UINT kFirstButton = 20000;
constexpr unsigned int kEnd = 0xFFFFFFFF;

using Answer = std::function<void(HWND box)>;

Answer Key(WPARAM key) {
    return [key](HWND box) { PostMessageA(GetFocus() ? GetFocus() : box, WM_KEYDOWN, key, 0); };
}
// The button of index n.
Answer Click(int n) {
    return [n](HWND box) { PostMessageA(GetDlgItem(box, kFirstButton + n), BM_CLICK, 0, 0); };
}
const Answer kCloseBox = [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); };

// The box as it came up; handle stays null when none did.
struct BoxSeen {
    HWND handle = nullptr;
    std::string title;
    std::string labels[3]; // "<hidden>" for a hidden button
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
    for (int i = 0; i < 3; ++i) {
        HWND button = GetDlgItem(box, kFirstButton + i);
        seen->labels[i] = IsWindowVisible(button) ? WindowText(button) : "<hidden>";
    }
    (*answer)(box);
}

// show() runs with lastError as the thread's last error.
BoxSeen ShowAndAnswer(const Answer& how, const std::function<void()>& show,
                      DWORD lastError = ERROR_SUCCESS) {
    BoxSeen box;
    seen = &box;
    answer = &how;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    SetLastError(lastError);
    show();
    KillTimer(nullptr, timer);
    EXPECT_FALSE(box.stuck);
    return box;
}

using Prompts = LibraryHostTest;

// The sets and the default button are tested natively; here, that labels, hiding, the focus and
// the results reach the box. Escape and the close box cancel, even a box without Cancel.
TEST_F(Prompts, ButtonsShowTheirLabelsAndGiveTheirResults) {
    // Flags, answer, result and the labels' string ids.
    const std::tuple<UINT, Answer, int, std::vector<UINT>> cases[] = {
        {MB_ABORTRETRYIGNORE, Click(2), IDIGNORE, {12006, 12004, 12005}},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, Key(VK_RETURN), IDNO, {12000, 12001, 12002}},
        {MB_OK, Key(VK_ESCAPE), IDCANCEL, {12003}},
        {MB_YESNO, kCloseBox, IDCANCEL, {12000, 12001}},
    };
    for (const auto& [flags, answer, expected, labels] : cases) {
        SCOPED_TRACE(flags);
        int result = 0;
        const BoxSeen box = ShowAndAnswer(answer, [&, flags = flags] {
            result = KvtMessageBox(host(), "Which one?", "Buttons", flags);
        });
        EXPECT_EQ(expected, result);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(i < labels.size() ? ResourceString(labels[i]) : "<hidden>", box.labels[i]);
    }
}

// Lists are (id, string) pairs until the end mark; a string that cannot be read stops the list.
// Empty texts show and log nothing.
TEST_F(Prompts, EveryPromptShowsItsCaptionAndLogsItsTextSystemErrorsCutToTheBuffer) {
    const std::string mine = ResourceString(11266), error = ResourceString(12009);
    const std::string bytes = ResourceString(12204);
    // The records an information prompt and an error prompt write.
    const auto info = [](const std::string& text) { return LogRecord(11603, 11616, text); };
    const auto failed = [](const std::string& text) { return LogRecord(11601, 11616, text); };
    char* start = const_cast<char*>("Start ");
    const struct {
        std::function<void()> show;
        std::string title;
        std::string logged;
        DWORD lastError = ERROR_SUCCESS;
    } cases[] = {
        {[] { PromptSTMsg(host(), "Given", "Given text", MB_YESNO); }, "Given", info("Given text")},
        {[] { PromptITMsgID(host(), 11266, 12037, MB_YESNO); }, mine, info(ResourceString(12037))},
        {[&] { PromptITMsgIDs(host(), 11266, MB_OK, 0, start, 12204, "7", kEnd); }, mine,
         info("Start " + bytes + "7")},
        // Every id takes a string: the end mark is read as the string of 12204.
        {[&] { PromptSTMsgIDs(host(), "List", MB_OK, 0, start, 12204, kEnd); }, "List",
         LogRecord(11601, 11617, "Invalid string address: FFFFFFFF -- ignored") +
             info("Start " + bytes)},
        {[] { PromptError(host(), "Plain\ntext"); }, error, failed("Plain\ntext")},
        {[] {
             // A resource module without the caption's string, nor the log's level names.
             const HINSTANCE resources = GetRCDllInstance();
             SetRCDllInstance(GetModuleHandleA(nullptr));
             PromptError(host(), "No caption");
             SetRCDllInstance(resources);
         },
         "Warning", "00000002 -- 00010000 -- No caption\r\n"},
        {[&] { PromptErrorIDs(host(), 0, start, 12204, "5", kEnd); }, error,
         failed("Start " + bytes + "5")},
        {[] { PromptErrorFmt(host(), const_cast<char*>("%d of %s"), 42, "x"); }, error,
         failed("42 of x")},
        {[] { PromptErrorIDFmt(host(), 12204, const_cast<char*>("%ld"), 1200L); }, error,
         failed(bytes + "1200")},
        {[] { PromptDiskSpaceLess('C', 1200, host()); }, error,
         failed("C:" + ResourceString(12203) + "\n" + bytes + "1200")},
        {[] { PromptSysError(host()); }, error, failed(SystemText(ERROR_FILE_NOT_FOUND)),
         ERROR_FILE_NOT_FOUND},
        {[] { PromptSysErrorFmt(host(), 0, "Last"); }, error,
         failed("Last -- " + SystemText(ERROR_FILE_NOT_FOUND)), ERROR_FILE_NOT_FOUND},
        {[] {
             OPENFILENAMEA wrongSize = {};
             EXPECT_FALSE(GetOpenFileNameA(&wrongSize));
             PromptCommDlgError(host());
         },
         error, failed(ResourceString(12221))},
        {[] {
             EXPECT_EQ(IDOK, PromptSTMsg(host(), "Empty", "", MB_YESNO));
             PromptError(host(), "");
             PromptErrorID(host(), 1); // no such string
             SetLastError(0);
             PromptSysError(host());
         },
         "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        LogCapture log("qerno-prompt-test.log");
        EXPECT_EQ(c.title, ShowAndAnswer(Key(VK_RETURN), c.show, c.lastError).title);
        EXPECT_EQ(c.logged, log.Text());
    }

    // The whole text is checked with the prompts that show it.
    char text[256];
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(9u, GetSystemErrorMsg(text, 10));
    EXPECT_EQ(SystemText(ERROR_FILE_NOT_FOUND).substr(0, 9), text);
    EXPECT_EQ(0u, GetSystemErrorMsg(text, 0x2FFFFFFF, sizeof text));
}

// Unattended, a prompt answers its default button at once and logs that; the library's message box
// itself still asks. Switched off, the prompts ask again.
TEST_F(Prompts, AnUnattendedHostGetsTheDefaultAnswerLoggedInsteadOfABox) {
    LogCapture log("qerno-unattended.log");
    EXPECT_FALSE(SetQernoUnattended(TRUE));
    int result = 0;
    EXPECT_EQ(nullptr, ShowAndAnswer(kCloseBox, [&] {
                           result = PromptSTMsg(host(), "Kiosk", "Go on?",
                                                MB_YESNOCANCEL | MB_DEFBUTTON2);
                           PromptErrorID(host(), 12037);
                       }).handle);
    EXPECT_EQ(IDNO, result);
    EXPECT_EQ(1, log.Count("\"Kiosk\" answered No without a box"));
    EXPECT_EQ(1, log.Count("\"" + ResourceString(12009) + "\" answered OK without a box"));
    EXPECT_EQ("Direct", ShowAndAnswer(Key(VK_RETURN), [] {
                            KvtMessageBox(host(), "Asked", "Direct", MB_OK);
                        }).title);
    EXPECT_TRUE(SetQernoUnattended(FALSE));
    EXPECT_EQ("Kiosk", ShowAndAnswer(Key(VK_RETURN), [] {
                           PromptSTMsg(host(), "Kiosk", "Asked again", MB_OK);
                       }).title);
}

} // namespace
