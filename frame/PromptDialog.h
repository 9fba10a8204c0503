// The library's own message box: template 3100 of the resource module, laid out and painted by
// the code to the size of its text.
#pragma once

#include "frame/MessageBoxLayout.h"
#include "frame/afx/Dialog.h"

constexpr UINT kPromptDialogTemplate = 3100;
constexpr UINT kFirstPromptButton = 20000; // then 20001 and 20002

class CPromptDialog : public CDialog {
public:
    CPromptDialog(HWND owner, const char* text, const char* caption, UINT flags);
    ~CPromptDialog() override;

    // The result of the button pressed; 1 until one is.
    int Result() const { return m_result; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnPaint();

private:
    void SetUpButtons(const MessageButtons& buttons);
    void CopyLines(const std::vector<std::string>& lines);
    MessageBoxMeasures Measure(const MessageButtons& buttons,
                               const std::vector<std::string>& lines) const;
    void PlaceButtons(const MessageButtons& buttons);

    char* m_text;
    char* m_caption;
    UINT m_flags;
    HICON m_icon = nullptr;
    // The text rectangle, the size of the text block and where icon and lines are drawn.
    MessageBoxLayout m_layout = {};
    int m_lineCount = 0;
    char* m_lines[kMaxMessageLines] = {};
    int m_buttonResults[kMaxMessageButtons] = {};
    int m_result = IDOK;
};
