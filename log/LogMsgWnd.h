// The log's own window: a status bar with the line count over a fixed-pitch text area that
// keeps the latest records.
#pragma once

#include "frame/afx/Wnd.h"

class CLogMsgWnd : public CWnd {
public:
    CLogMsgWnd();
    ~CLogMsgWnd() override;

    BOOL Create(HWND owner);
    // Appends a record (with its line end); repaint shows it at once.
    void AppendText(const char* text, BOOL repaint);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL OnCreate();
    void OnSize(UINT type, int cx, int cy);
    void UpdateStatusBar();

    CEdit m_wndEdit;
    CStatic m_wndBar;
    CFont m_font;
};
