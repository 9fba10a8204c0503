// Modal dialogs from templates of the resource module.
#pragma once

#include "frame/afx/Wnd.h"

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND owner);

    // Runs the dialog; its result, IDCANCEL after Escape or the close box, -1 when the dialog
    // could not be created.
    INT_PTR DoModal();

protected:
    // TRUE lets the system put the focus on the first control.
    virtual BOOL OnInitDialog();
    // TRUE when the command was handled; IDOK and IDCANCEL end the dialog with that result.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Messages other than the two above; TRUE when handled (the dialog procedure's rule).
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
    void EndDialog(int result);
    // Moves the focus the way the dialog manager does, so the control also becomes the default
    // push button that Enter presses.
    void GotoDlgCtrl(HWND control);
    // Centres the dialog on its owner, or on the work area without a visible owner, and keeps it
    // on the work area.
    void CenterWindow();

private:
    static INT_PTR CALLBACK AfxDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_owner;
};
