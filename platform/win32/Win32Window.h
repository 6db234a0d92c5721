// Win32Window.h: the window-and-messages service on Win32.
//
// One class and one window, both named as the shell asks: a WS_POPUP window, topmost, at the
// screen's top-left corner, with the executable's icon and cursor resources. The message calls
// are the system's own queue (PeekMessageA, GetMessageA, TranslateMessage, DispatchMessageA,
// PostMessageA, PostQuitMessage); WaitMessage sleeps until input arrives or the time-out
// passes. The shell's window procedure receives every message of the window, including those
// sent while the window is being created.
#pragma once

#include "platform/WindowService.h"

#include <memory>

namespace Platform
{

class CWin32Window : public IWindowService
{
public:
    CWin32Window();
    ~CWin32Window() override;
    CWin32Window(const CWin32Window&) = delete;
    CWin32Window& operator=(const CWin32Window&) = delete;

    BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    // A system cursor by IDC_ number.
    HCURSOR LoadCursor(int nCursorId) override;
    HCURSOR SetCursor(HCURSOR hCursor) override;

    HWND CreateWindow(const WindowDesc& desc) override;
    void ShowWindow(HWND hWnd, int nCmdShow) override;
    void UpdateWindow(HWND hWnd) override;
    BOOL IsWindow(HWND hWnd) override;
    int GetSystemMetrics(int nIndex) override;

    BOOL PeekMessage(WindowMessage& msg) override;
    BOOL GetMessage(WindowMessage& msg) override;
    void WaitMessage(DWORD dwTimeout) override;
    // Translates (keys) and dispatches the message; a message not taken with GetMessage is
    // dispatched as it is.
    LRESULT DispatchMessage(const WindowMessage& msg) override;
    LRESULT DefWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow(HWND hWnd) override;
    void PostQuitMessage(int nExitCode) override;

    HWND GetHwnd() const { return m_hWnd; }

private:
    struct TakenMessage;

    HWND m_hWnd;
    // The last message GetMessage took, whole (time and cursor position included).
    std::unique_ptr<TakenMessage> m_pTaken;
};

} // namespace Platform
