// HeadlessWindow.cpp: the timeline, the message queue and the window's life without a screen.
#include "platform/headless/HeadlessWindow.h"

#include <cstdint>
#include <utility>

namespace Platform
{

namespace
{
HCURSOR CursorHandle(int nId)
{
    return reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(nId));
}
int CursorId(HCURSOR hCursor)
{
    return static_cast<int>(reinterpret_cast<uintptr_t>(hCursor));
}
} // namespace

CHeadlessWindow::CHeadlessWindow(CVirtualClock& clock)
    : m_Clock(clock),
      m_pfnWindowProc(nullptr),
      m_bAlive(FALSE),
      m_bDestroying(FALSE),
      m_bFailCreate(FALSE),
      m_nDestroyCount(0),
      m_nCursorResource(0),
      m_nShownCursor(0)
{
}

void CHeadlessWindow::ScheduleMessage(DWORD dwTime, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    ScheduleAction(dwTime, [this, nMessage, wParam, lParam]() { PostMessage(Handle(), nMessage, wParam, lParam); });
}

void CHeadlessWindow::ScheduleAction(DWORD dwTime, std::function<void()> fnAction)
{
    m_Timeline.emplace(dwTime, std::move(fnAction));
}

void CHeadlessWindow::RunDueEntries()
{
    while (!m_Timeline.empty())
    {
        auto it = m_Timeline.begin();
        if (static_cast<LONG>(it->first - m_Clock.TimeGetTime()) > 0)
            return;
        std::function<void()> fnAction = std::move(it->second);
        m_Timeline.erase(it);
        fnAction();
    }
}

BOOL CHeadlessWindow::PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    m_Queue.push_back(WindowMessage{hWnd, nMessage, wParam, lParam});
    return TRUE;
}

HCURSOR CHeadlessWindow::LoadCursor(int nCursorId)
{
    return CursorHandle(nCursorId);
}

HCURSOR CHeadlessWindow::SetCursor(HCURSOR hCursor)
{
    const HCURSOR hPrevious = CursorHandle(m_nShownCursor);
    m_nShownCursor = CursorId(hCursor);
    m_CursorHistory.push_back(m_nShownCursor);
    return hPrevious;
}

HWND CHeadlessWindow::CreateWindow(const WindowDesc& desc)
{
    if (m_bFailCreate)
        return nullptr;
    m_pfnWindowProc = desc.pfnWindowProc;
    m_strTitle = desc.pszTitle ? desc.pszTitle : "";
    m_strClassName = desc.pszClassName ? desc.pszClassName : "";
    m_nCursorResource = desc.nCursorId;
    m_nShownCursor = desc.nCursorId;
    m_bAlive = TRUE;
    return Handle();
}

void CHeadlessWindow::ShowWindow(HWND, int) {}

void CHeadlessWindow::UpdateWindow(HWND) {}

BOOL CHeadlessWindow::IsWindow(HWND hWnd)
{
    return m_bAlive && hWnd == Handle();
}

int CHeadlessWindow::GetSystemMetrics(int)
{
    // A borderless window without frame or menu.
    return 0;
}

BOOL CHeadlessWindow::PeekMessage(WindowMessage& msg)
{
    RunDueEntries();
    if (m_Queue.empty())
        return FALSE;
    msg = m_Queue.front();
    return TRUE;
}

BOOL CHeadlessWindow::GetMessage(WindowMessage& msg)
{
    RunDueEntries();
    while (m_Queue.empty() && !m_Timeline.empty())
    {
        m_Clock.AdvanceTo(m_Timeline.begin()->first);
        RunDueEntries();
    }
    if (m_Queue.empty())
    {
        // Nothing will ever arrive: end the loop as a quit would.
        msg = WindowMessage{Handle(), WM_QUIT, 0, 0};
        return FALSE;
    }
    msg = m_Queue.front();
    m_Queue.pop_front();
    return msg.nMessage != WM_QUIT;
}

void CHeadlessWindow::WaitMessage(DWORD dwTimeout)
{
    RunDueEntries();
    if (!m_Queue.empty())
        return;
    DWORD dwUntil = m_Clock.TimeGetTime() + dwTimeout;
    if (!m_Timeline.empty() && static_cast<LONG>(m_Timeline.begin()->first - dwUntil) < 0)
        dwUntil = m_Timeline.begin()->first;
    m_Clock.AdvanceTo(dwUntil);
}

LRESULT CHeadlessWindow::DispatchMessage(const WindowMessage& msg)
{
    if (!m_pfnWindowProc || !m_bAlive)
        return 0;
    return m_pfnWindowProc(msg.hWnd, msg.nMessage, msg.wParam, msg.lParam);
}

LRESULT CHeadlessWindow::DefWindowProc(HWND hWnd, UINT nMessage, WPARAM, LPARAM)
{
    if (nMessage == WM_CLOSE)
        DestroyWindow(hWnd);
    return 0;
}

BOOL CHeadlessWindow::DestroyWindow(HWND hWnd)
{
    if (!IsWindow(hWnd) || m_bDestroying)
        return FALSE;
    // The window still exists while WM_DESTROY runs, as on Windows.
    ++m_nDestroyCount;
    m_bDestroying = TRUE;
    if (m_pfnWindowProc)
        m_pfnWindowProc(hWnd, WM_DESTROY, 0, 0);
    m_bDestroying = FALSE;
    m_bAlive = FALSE;
    return TRUE;
}

void CHeadlessWindow::PostQuitMessage(int nExitCode)
{
    m_Queue.push_back(WindowMessage{Handle(), WM_QUIT, static_cast<WPARAM>(nExitCode), 0});
}

} // namespace Platform
