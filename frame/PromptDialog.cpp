#include "frame/PromptDialog.h"

#include "QernoFrame.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int kButtonLabelRoom = 16; // 15 characters and the terminator

char* CopyText(const char* text, std::size_t length) {
    char* copy = static_cast<char*>(std::malloc(length + 1));
    if (copy) {
        std::memcpy(copy, text, length);
        copy[length] = '\0';
    }
    return copy;
}

char* CopyText(const char* text) {
    return text ? CopyText(text, std::strlen(text)) : nullptr;
}

HICON SystemIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Hand:
        return LoadIconA(nullptr, IDI_HAND);
    case MessageIcon::Question:
        return LoadIconA(nullptr, IDI_QUESTION);
    case MessageIcon::Exclamation:
        return LoadIconA(nullptr, IDI_EXCLAMATION);
    case MessageIcon::Asterisk:
        return LoadIconA(nullptr, IDI_ASTERISK);
    default:
        return nullptr;
    }
}

} // namespace

CPromptDialog::CPromptDialog(HWND owner, const char* text, const char* caption, UINT flags)
    : CDialog(kPromptDialogTemplate, owner), m_text(CopyText(text)), m_caption(CopyText(caption)),
      m_flags(flags) {}

CPromptDialog::~CPromptDialog() {
    std::free(m_text);
    std::free(m_caption);
    for (char* line : m_lines)
        std::free(line);
}

BOOL CPromptDialog::OnInitDialog() {
    try {
        SetWindowTextA(m_hWnd, m_caption);
        const MessageButtons buttons = ButtonsForFlags(m_flags);
        m_icon = SystemIcon(IconForFlags(m_flags));
        SetUpButtons(buttons);
        const std::vector<std::string> lines = SplitMessageLines(m_text ? m_text : "");
        CopyLines(lines);
        m_layout = LayOutMessageBox(Measure(buttons, lines));

        SetWindowPos(m_hWnd, nullptr, 0, 0, m_layout.windowWidth, m_layout.windowHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CenterWindow();
        PlaceButtons(buttons);
        const int focus = FocusButtonIndex(m_flags, buttons.count);
        GotoDlgCtrl(GetDlgItem(m_hWnd, kFirstPromptButton + focus));
    } catch (const std::bad_alloc&) {
        // No box is better than a box without its text; the caller gets the result of a box
        // that could not be created.
        EndDialog(-1);
    }
    return FALSE;
}

BOOL CPromptDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id >= kFirstPromptButton &&
        id < kFirstPromptButton + kMaxMessageButtons) {
        m_result = m_buttonResults[id - kFirstPromptButton];
        EndDialog(IDOK);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

INT_PTR CPromptDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        OnPaint();
        return TRUE;
    }
    return CDialog::DialogProc(message, wParam, lParam);
}

void CPromptDialog::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    const int saved = SaveDC(dc);
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)))
        SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    if (m_icon)
        DrawIcon(dc, m_layout.icon.x, m_layout.icon.y, m_icon);
    for (int i = 0; i < m_lineCount; ++i)
        TextOutA(dc, m_layout.textX, m_layout.lineY[i], m_lines[i], lstrlenA(m_lines[i]));
    RECT frame = m_layout.textRect;
    DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    RestoreDC(dc, saved);
    EndPaint(m_hWnd, &paint);
}

void CPromptDialog::SetUpButtons(const MessageButtons& buttons) {
    for (int i = 0; i < buttons.count; ++i) {
        char label[kButtonLabelRoom] = "";
        GetIDStringB(buttons.labelIds[i], label, sizeof label);
        SetDlgItemTextA(m_hWnd, kFirstPromptButton + i, label);
        m_buttonResults[i] = buttons.results[i];
    }
}

void CPromptDialog::CopyLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        char* copy = CopyText(line.data(), line.size());
        if (!copy)
            throw std::bad_alloc();
        m_lines[m_lineCount++] = copy;
    }
}

// The lines are measured in the font the window's DC comes with, not the dialog's font that
// paints them: the box's proportions depend on it.
MessageBoxMeasures CPromptDialog::Measure(const MessageButtons& buttons,
                                          const std::vector<std::string>& lines) const {
    MessageBoxMeasures measures = {};
    HDC dc = GetDC(m_hWnd);
    measures.lineCount = MeasureMessageLines(
        lines,
        [dc](const std::string& line) {
            SIZE extent = {};
            GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &extent);
            return LineExtent{extent.cx, extent.cy};
        },
        measures.lines);
    ReleaseDC(m_hWnd, dc);

    RECT button = {};
    GetWindowRect(GetDlgItem(m_hWnd, kFirstPromptButton), &button);
    measures.buttonCount = buttons.count;
    measures.buttonWidth = button.right - button.left;
    measures.buttonHeight = button.bottom - button.top;
    measures.hasIcon = m_icon != nullptr;
    measures.iconWidth = GetSystemMetrics(SM_CXICON);
    measures.iconHeight = GetSystemMetrics(SM_CYICON);
    measures.dialogFrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
    measures.dialogFrameHeight = GetSystemMetrics(SM_CYDLGFRAME);
    measures.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    return measures;
}

void CPromptDialog::PlaceButtons(const MessageButtons& buttons) {
    for (int i = 0; i < kMaxMessageButtons; ++i) {
        HWND button = GetDlgItem(m_hWnd, kFirstPromptButton + i);
        if (i < buttons.count)
            SetWindowPos(button, nullptr, m_layout.buttons[i].x, m_layout.buttons[i].y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        else
            ShowWindow(button, SW_HIDE);
    }
}

int QERNO_CALL KvtMessageBox(HWND hWnd, const char* text, const char* caption, unsigned int flags) {
    CPromptDialog dialog(hWnd, text, caption, flags);
    if (dialog.DoModal() == IDCANCEL)
        return IDCANCEL;
    return dialog.Result();
}
