// HeadlessWindow.h: the window-and-messages service without a screen.
//
// Messages come from a timeline: the runner or a test schedules input messages and actions
// at game times, and they are delivered when the virtual clock reaches them (when the loop
// looks for messages). While the game waits for a message the virtual clock jumps straight
// to the wait's end or to the next scheduled moment, whichever comes first, so idle game
// time costs no real time. Cursor changes are recorded. Deterministic.
#pragma once

#include "platform/QueuedWindow.h"
#include "platform/headless/HeadlessClock.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace Platform
{

class CHeadlessWindow : public CQueuedWindow
{
public:
    explicit CHeadlessWindow(CVirtualClock& clock);

    // Timeline. Entries at the same time run in the order they were scheduled.
    void ScheduleMessage(DWORD dwTime, UINT nMessage, WPARAM wParam, LPARAM lParam);
    void ScheduleAction(DWORD dwTime, std::function<void()> fnAction);

    // Failure injection and inspection.
    void FailCreateWindow() { m_bFailCreate = TRUE; }
    HWND GetHwnd() const { return IsAlive() ? Handle() : nullptr; }
    int GetDestroyCount() const { return m_nDestroyCount; }
    const std::string& GetTitle() const { return m_strTitle; }
    const std::string& GetClassName() const { return m_strClassName; }
    int GetCursorResource() const { return m_nCursorResource; }
    // The cursor shown now: the class cursor resource, or IDC_ identifier of a system cursor.
    int GetShownCursor() const { return m_nShownCursor; }
    // Every cursor switched to, in order.
    const std::vector<int>& GetCursorHistory() const { return m_CursorHistory; }

    HCURSOR LoadCursor(int nCursorId) override;
    HCURSOR SetCursor(HCURSOR hCursor) override;
    HWND CreateWindow(const WindowDesc& desc) override;
    void ShowWindow(HWND hWnd, int nCmdShow) override;
    void UpdateWindow(HWND hWnd) override;
    int GetSystemMetrics(int nIndex) override;

private:
    HWND Handle() const override { return reinterpret_cast<HWND>(const_cast<CHeadlessWindow*>(this)); }
    // Input is what the timeline delivers: entries due now, or, when waiting, the next ones
    // after the virtual clock has jumped to them.
    void CollectInput() override { RunDueEntries(); }
    BOOL AwaitInput() override;
    void AwaitInputFor(DWORD dwTimeout) override;
    void OnDestroyed() override { ++m_nDestroyCount; }
    // Delivers every timeline entry whose time has come.
    void RunDueEntries();

    CVirtualClock& m_Clock;
    std::multimap<DWORD, std::function<void()>> m_Timeline; // keyed by game time
    std::string m_strTitle;
    std::string m_strClassName;
    BOOL m_bFailCreate;
    int m_nDestroyCount;
    int m_nCursorResource;
    int m_nShownCursor;
    std::vector<int> m_CursorHistory;
};

} // namespace Platform
