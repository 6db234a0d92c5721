// WindowService.h: the window-and-messages service.
//
// Contract: one 640x480 window at the top-left of the screen, made once by CreateWindow with
// the shell's window procedure. Messages carry Windows codes with wParam and lParam packed as
// Windows packs them (mouse: x in the low word, y in the high word, in 640x480 pixels; keys:
// the virtual-key code). PeekMessage tells whether a message is waiting without removing it;
// GetMessage removes the first one and returns FALSE for WM_QUIT; DispatchMessage calls the
// window procedure. DefWindowProc turns WM_CLOSE into DestroyWindow; DestroyWindow calls the
// procedure with WM_DESTROY before it returns; PostQuitMessage queues WM_QUIT with the code in
// wParam. WaitMessage returns as soon as a message is waiting or the timeout has passed, so
// an idle loop sleeps instead of spinning. Every call comes from the main thread.
// LoadCursor gives a system cursor by IDC_ identifier (IDC_ARROW, IDC_WAIT); SetCursor shows
// one and returns the cursor shown before.
//
// The shell drives the whole service; the portable engine (director, scenes) only posts
// messages and switches the cursor, through the free functions at the end, which go to the
// installed backend's window (without one, posting fails and cursor calls do nothing).
#pragma once

#include "platform/WinTypes.h"

namespace Platform
{

typedef LRESULT (*PFNWINDOWPROC)(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

struct WindowMessage
{
    HWND hWnd;
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
};

struct WindowDesc
{
    const char* pszClassName;
    const char* pszTitle;
    PFNWINDOWPROC pfnWindowProc;
    int nWidth;
    int nHeight;
    int nIconId;   // the executable's icon resource
    int nCursorId; // the executable's cursor resource, shown over the window
};

class IWindowService
{
public:
    virtual ~IWindowService() = default;

    // Null when the window cannot be made.
    virtual HWND CreateWindow(const WindowDesc& desc) = 0;
    virtual void ShowWindow(HWND hWnd, int nCmdShow) = 0;
    virtual void UpdateWindow(HWND hWnd) = 0;
    virtual BOOL IsWindow(HWND hWnd) = 0;
    virtual int GetSystemMetrics(int nIndex) = 0;

    virtual BOOL PeekMessage(WindowMessage& msg) = 0;
    virtual BOOL GetMessage(WindowMessage& msg) = 0;
    virtual void WaitMessage(DWORD dwTimeout) = 0;
    virtual LRESULT DispatchMessage(const WindowMessage& msg) = 0;
    virtual LRESULT DefWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) = 0;
    // Appends a message to the window's queue; FALSE when it cannot.
    virtual BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) = 0;
    virtual BOOL DestroyWindow(HWND hWnd) = 0;
    virtual void PostQuitMessage(int nExitCode) = 0;

    virtual HCURSOR LoadCursor(int nCursorId) = 0;
    virtual HCURSOR SetCursor(HCURSOR hCursor) = 0;
};

// The installed backend's window, for the portable engine.
BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
HCURSOR LoadCursor(int nCursorId);
HCURSOR SetCursor(HCURSOR hCursor);

} // namespace Platform
