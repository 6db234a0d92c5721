// Win32Window.cpp: RegisterClassA, CreateWindowExA and the system message queue.
#include "platform/win32/Win32Window.h"

#include "platform/win32/Win32Api.h"

#include <cstddef>

namespace Platform
{

static_assert(sizeof(MinMaxInfo) == sizeof(MINMAXINFO) &&
                  offsetof(MinMaxInfo, ptMinTrackSize) == offsetof(MINMAXINFO, ptMinTrackSize) &&
                  offsetof(MinMaxInfo, ptMaxTrackSize) == offsetof(MINMAXINFO, ptMaxTrackSize),
              "the shell's MinMaxInfo is laid out as Windows' MINMAXINFO");

namespace
{

// The shell's procedure. The system calls the class's procedure, which must exist before the
// window does: messages arrive while CreateWindowExA runs.
PFNWINDOWPROC g_pfnShellProc = nullptr;

LRESULT CALLBACK ClassWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (g_pfnShellProc)
        return g_pfnShellProc(hWnd, nMessage, wParam, lParam);
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

WindowMessage FromMsg(const MSG& message)
{
    return WindowMessage{message.hwnd, message.message, message.wParam, message.lParam};
}

} // namespace

struct CWin32Window::TakenMessage
{
    MSG message;
};

CWin32Window::CWin32Window() : m_hWnd(nullptr), m_pTaken(std::make_unique<TakenMessage>()) {}

CWin32Window::~CWin32Window()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    g_pfnShellProc = nullptr;
}

BOOL CWin32Window::PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(hWnd, nMessage, wParam, lParam);
}

HCURSOR CWin32Window::LoadCursor(int nCursorId)
{
    return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(nCursorId));
}

HCURSOR CWin32Window::SetCursor(HCURSOR hCursor)
{
    return ::SetCursor(hCursor);
}

HWND CWin32Window::CreateWindow(const WindowDesc& desc)
{
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    g_pfnShellProc = desc.pfnWindowProc;

    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &ClassWindowProc;
    windowClass.hInstance = hInstance;
    windowClass.hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(desc.nIconId));
    windowClass.hCursor = ::LoadCursorA(hInstance, MAKEINTRESOURCEA(desc.nCursorId));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = desc.pszClassName;
    ::RegisterClassA(&windowClass); // a class left from an earlier window of this process will do

    // A pop-up window at CW_USEDEFAULT sits at the top-left corner of the screen.
    m_hWnd =
        ::CreateWindowExA(WS_EX_TOPMOST, desc.pszClassName, desc.pszTitle, WS_POPUP, CW_USEDEFAULT,
                          CW_USEDEFAULT, desc.nWidth, desc.nHeight, nullptr, nullptr, hInstance, nullptr);
    return m_hWnd;
}

void CWin32Window::ShowWindow(HWND hWnd, int nCmdShow)
{
    ::ShowWindow(hWnd, nCmdShow);
}

void CWin32Window::UpdateWindow(HWND hWnd)
{
    ::UpdateWindow(hWnd);
}

BOOL CWin32Window::IsWindow(HWND hWnd)
{
    return hWnd && ::IsWindow(hWnd) ? TRUE : FALSE;
}

int CWin32Window::GetSystemMetrics(int nIndex)
{
    return ::GetSystemMetrics(nIndex);
}

BOOL CWin32Window::PeekMessage(WindowMessage& msg)
{
    MSG message;
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
        return FALSE;
    msg = FromMsg(message);
    return TRUE;
}

BOOL CWin32Window::GetMessage(WindowMessage& msg)
{
    MSG& message = m_pTaken->message;
    const BOOL bResult = ::GetMessageA(&message, nullptr, 0, 0);
    if (bResult == -1)
    {
        // The queue itself failed: end the loop as a quit would.
        msg = WindowMessage{m_hWnd, WM_QUIT, 0, 0};
        return FALSE;
    }
    msg = FromMsg(message);
    return bResult ? TRUE : FALSE;
}

void CWin32Window::WaitMessage(DWORD dwTimeout)
{
    // MWMO_INPUTAVAILABLE: a message already waiting (even one seen by PeekMessageA) ends the
    // wait at once.
    ::MsgWaitForMultipleObjectsEx(0, nullptr, dwTimeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

LRESULT CWin32Window::DispatchMessage(const WindowMessage& msg)
{
    MSG message = m_pTaken->message;
    if (message.hwnd != msg.hWnd || message.message != msg.nMessage || message.wParam != msg.wParam ||
        message.lParam != msg.lParam)
    {
        message = MSG{};
        message.hwnd = msg.hWnd;
        message.message = msg.nMessage;
        message.wParam = msg.wParam;
        message.lParam = msg.lParam;
    }
    ::TranslateMessage(&message);
    return ::DispatchMessageA(&message);
}

LRESULT CWin32Window::DefWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

BOOL CWin32Window::DestroyWindow(HWND hWnd)
{
    return ::DestroyWindow(hWnd);
}

void CWin32Window::PostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

} // namespace Platform
