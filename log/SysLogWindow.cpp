// The log's window members: the window is created hidden, shown on request and owned by the log.
#include "QernoLog.h"
#include "log/LogMsgWnd.h"

#include <new>

int CSysLog::CreateMsgWnd(CWnd* parent) {
    // A second call keeps the window there is.
    if (m_pMsgWnd)
        return 1;
    auto* window = new (std::nothrow) CLogMsgWnd;
    if (window && window->Create(parent ? parent->m_hWnd : nullptr))
        m_pMsgWnd = window;
    else
        delete window;
    return m_pMsgWnd != nullptr;
}

void CSysLog::DeleteMsgWnd() {
    delete m_pMsgWnd;
    m_pMsgWnd = nullptr;
}

void CSysLog::ShowMsgWnd(int show) {
    if (m_pMsgWnd)
        ShowWindow(m_pMsgWnd->m_hWnd, show ? SW_SHOWNORMAL : SW_HIDE);
}

int CSysLog::IsMsgWndVisible() {
    return m_pMsgWnd && IsWindowVisible(m_pMsgWnd->m_hWnd);
}
