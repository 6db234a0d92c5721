// QueuedWindow.cpp: the queue, dispatch and destruction common to the window backends.
#include "platform/QueuedWindow.h"

namespace Platform
{

void CQueuedWindow::OpenWindow(PFNWINDOWPROC pfnWindowProc)
{
    m_pfnWindowProc = pfnWindowProc;
    m_bAlive = TRUE;
}

BOOL CQueuedWindow::PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    m_Queue.push_back(WindowMessage{hWnd, nMessage, wParam, lParam});
    return TRUE;
}

BOOL CQueuedWindow::IsWindow(HWND hWnd)
{
    return m_bAlive && hWnd == Handle();
}

BOOL CQueuedWindow::PeekMessage(WindowMessage& msg)
{
    CollectInput();
    if (m_Queue.empty())
        return FALSE;
    msg = m_Queue.front();
    return TRUE;
}

BOOL CQueuedWindow::GetMessage(WindowMessage& msg)
{
    CollectInput();
    while (m_Queue.empty())
    {
        if (!AwaitInput())
        {
            // Nothing will ever arrive: end the loop as a quit would.
            msg = WindowMessage{Handle(), WM_QUIT, 0, 0};
            return FALSE;
        }
    }
    msg = m_Queue.front();
    m_Queue.pop_front();
    return msg.nMessage != WM_QUIT;
}

void CQueuedWindow::WaitMessage(DWORD dwTimeout)
{
    CollectInput();
    if (!m_Queue.empty())
        return;
    AwaitInputFor(dwTimeout);
}

LRESULT CQueuedWindow::DispatchMessage(const WindowMessage& msg)
{
    if (!m_pfnWindowProc || !m_bAlive)
        return 0;
    return m_pfnWindowProc(msg.hWnd, msg.nMessage, msg.wParam, msg.lParam);
}

LRESULT CQueuedWindow::DefWindowProc(HWND hWnd, UINT nMessage, WPARAM, LPARAM)
{
    if (nMessage == WM_CLOSE)
        DestroyWindow(hWnd);
    return 0;
}

BOOL CQueuedWindow::DestroyWindow(HWND hWnd)
{
    // A DestroyWindow from within WM_DESTROY finds the window already on its way out.
    if (!IsWindow(hWnd) || m_bDestroying)
        return FALSE;
    // The window still exists while WM_DESTROY runs, as on Windows.
    m_bDestroying = TRUE;
    if (m_pfnWindowProc)
        m_pfnWindowProc(hWnd, WM_DESTROY, 0, 0);
    m_bDestroying = FALSE;
    m_bAlive = FALSE;
    OnDestroyed();
    return TRUE;
}

void CQueuedWindow::PostQuitMessage(int nExitCode)
{
    PostMessage(Handle(), WM_QUIT, static_cast<WPARAM>(nExitCode), 0);
}

} // namespace Platform
