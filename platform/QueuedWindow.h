// QueuedWindow.h: the message queue and the window's life, shared by the window backends.
//
// Holds the queue of posted messages and the window procedure, and carries out the parts of
// the window-and-messages contract that do not depend on where input comes from: peeking,
// getting (WM_QUIT, or input that will never come, ends the loop), waiting, dispatching,
// DefWindowProc's WM_CLOSE, destruction (WM_DESTROY while the window still exists, once) and
// PostQuitMessage. A backend names its window handle, moves its input into the queue and
// blocks until more may have come; it adds the window itself, the cursors and the metrics.
#pragma once

#include "platform/WindowService.h"

#include <deque>

namespace Platform
{

class CQueuedWindow : public IWindowService
{
public:
    BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    BOOL IsWindow(HWND hWnd) override;
    BOOL PeekMessage(WindowMessage& msg) override;
    BOOL GetMessage(WindowMessage& msg) override;
    void WaitMessage(DWORD dwTimeout) override;
    LRESULT DispatchMessage(const WindowMessage& msg) override;
    LRESULT DefWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow(HWND hWnd) override;
    void PostQuitMessage(int nExitCode) override;

protected:
    // The backend's window handle (also before the window is made).
    virtual HWND Handle() const = 0;
    // Moves every input that has already arrived into the queue, without waiting.
    virtual void CollectInput() = 0;
    // Waits for input while the queue is empty and moves what comes into the queue; FALSE
    // when no input will ever come.
    virtual BOOL AwaitInput() = 0;
    // As AwaitInput, but returns after dwTimeout milliseconds at the latest.
    virtual void AwaitInputFor(DWORD dwTimeout) = 0;
    // The window is gone: its WM_DESTROY has run.
    virtual void OnDestroyed() {}

    // The window exists from now on; its messages go to pfnWindowProc.
    void OpenWindow(PFNWINDOWPROC pfnWindowProc);
    BOOL IsAlive() const { return m_bAlive; }

private:
    std::deque<WindowMessage> m_Queue;
    PFNWINDOWPROC m_pfnWindowProc = nullptr;
    BOOL m_bAlive = FALSE;
    BOOL m_bDestroying = FALSE;
};

} // namespace Platform
