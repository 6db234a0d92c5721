// HeadlessWindow.cpp: the timeline, the cursors and the window's life without a screen.
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
    : m_Clock(clock), m_bFailCreate(FALSE), m_nDestroyCount(0), m_nCursorResource(0), m_nShownCursor(0)
{
}

void CHeadlessWindow::ScheduleMessage(DWORD dwTime, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    ScheduleAction(dwTime,
                   [this, nMessage, wParam, lParam]() { PostMessage(Handle(), nMessage, wParam, lParam); });
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
    m_strTitle = desc.pszTitle ? desc.pszTitle : "";
    m_strClassName = desc.pszClassName ? desc.pszClassName : "";
    m_nCursorResource = desc.nCursorId;
    m_nShownCursor = desc.nCursorId;
    OpenWindow(desc.pfnWindowProc);
    return Handle();
}

void CHeadlessWindow::ShowWindow(HWND, int) {}

void CHeadlessWindow::UpdateWindow(HWND) {}

int CHeadlessWindow::GetSystemMetrics(int)
{
    // A borderless window without frame or menu.
    return 0;
}

BOOL CHeadlessWindow::AwaitInput()
{
    if (m_Timeline.empty())
        return FALSE;
    m_Clock.AdvanceTo(m_Timeline.begin()->first);
    RunDueEntries();
    return TRUE;
}

void CHeadlessWindow::AwaitInputFor(DWORD dwTimeout)
{
    DWORD dwUntil = m_Clock.TimeGetTime() + dwTimeout;
    if (!m_Timeline.empty() && static_cast<LONG>(m_Timeline.begin()->first - dwUntil) < 0)
        dwUntil = m_Timeline.begin()->first;
    m_Clock.AdvanceTo(dwUntil);
}

} // namespace Platform
