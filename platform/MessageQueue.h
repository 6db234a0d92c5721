// MessageQueue.h: the shell's side of the window-and-messages service.
//
// Contract: one 640x480 window at the top-left of the screen, made once by CreateWindow with
// the shell's window procedure. Messages carry Windows codes with wParam and lParam packed as
// Windows packs them (mouse: x in the low word, y in the high word, in 640x480 pixels; keys:
// the virtual-key code). PeekMessage tells whether a message is waiting without removing it;
// GetMessage removes the first one and returns FALSE for WM_QUIT; DispatchMessage calls the
// window procedure. DefWindowProc turns WM_CLOSE into DestroyWindow; DestroyWindow calls the
// procedure with WM_DESTROY before it returns; PostQuitMessage queues WM_QUIT with the code in
// wParam. WaitMessage returns as soon as a message is waiting or the timeout has passed, so
// an idle loop sleeps instead of spinning. Cursor and posting calls come from IWindowBackend.
#pragma once

#include "platform/WinTypes.h"
#include "platform/Window.h"

// The few size and show names the shell uses; values (and spelling) as in <winuser.h>.
#define SM_CYMENU 15
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SW_SHOWDEFAULT 10

namespace Platform
{

// The record WM_GETMINMAXINFO's lParam points to, laid out as Windows lays out MINMAXINFO.
struct MinMaxInfo
{
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

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

class IWindowService : public IWindowBackend
{
public:
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
    virtual BOOL DestroyWindow(HWND hWnd) = 0;
    virtual void PostQuitMessage(int nExitCode) = 0;
};

} // namespace Platform
