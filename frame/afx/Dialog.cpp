#include "frame/afx/Dialog.h"

#include "frame/afx/ModuleState.h"

#include <algorithm>

CDialog::CDialog(UINT templateId, HWND owner) : m_templateId(templateId), m_owner(owner) {}

INT_PTR CDialog::DoModal() {
    return DialogBoxParamA(afx::ResourceHandle(), MAKEINTRESOURCEA(m_templateId), m_owner,
                           AfxDlgProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    const int id = LOWORD(wParam);
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    EndDialog(id);
    return TRUE;
}

INT_PTR CDialog::DialogProc(UINT, WPARAM, LPARAM) {
    return FALSE;
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

void CDialog::GotoDlgCtrl(HWND control) {
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CDialog::CenterWindow() {
    RECT workArea;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT around = workArea;
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &around);

    RECT own;
    GetWindowRect(m_hWnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = (around.left + around.right - width) / 2;
    int y = (around.top + around.bottom - height) / 2;
    // The right and bottom edges give way first, so a box larger than the work area keeps its
    // caption and left edge on it.
    x = std::max<int>(workArea.left, std::min<int>(x, workArea.right - width));
    y = std::max<int>(workArea.top, std::min<int>(y, workArea.bottom - height));
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* object = nullptr;
    if (message == WM_INITDIALOG) {
        object = reinterpret_cast<CDialog*>(lParam);
        object->Attach(dialog);
    } else {
        object = static_cast<CDialog*>(FromHandlePermanent(dialog));
    }
    if (!object)
        return FALSE;

    afx::ModuleStateGuard guard(afx::LibraryModuleState());
    switch (message) {
    case WM_INITDIALOG:
        return object->OnInitDialog();
    case WM_COMMAND:
        return object->OnCommand(wParam, lParam);
    case WM_NCDESTROY:
        object->Detach();
        return FALSE;
    default:
        return object->DialogProc(message, wParam, lParam);
    }
}
