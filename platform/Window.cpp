// Window.cpp: forwards the portable window calls to the installed backend.
#include "platform/Window.h"

#include <atomic>

namespace Platform
{

namespace
{
std::atomic<IWindowBackend*> g_pWindowBackend{nullptr};
}

IWindowBackend* SetWindowBackend(IWindowBackend* pBackend)
{
    return g_pWindowBackend.exchange(pBackend);
}

IWindowBackend* CurrentWindowBackend()
{
    return g_pWindowBackend.load();
}

BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    IWindowBackend* pBackend = CurrentWindowBackend();
    return pBackend ? pBackend->PostMessage(hWnd, nMessage, wParam, lParam) : FALSE;
}

HCURSOR LoadCursor(int nCursorId)
{
    IWindowBackend* pBackend = CurrentWindowBackend();
    return pBackend ? pBackend->LoadCursor(nCursorId) : nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    IWindowBackend* pBackend = CurrentWindowBackend();
    return pBackend ? pBackend->SetCursor(hCursor) : nullptr;
}

} // namespace Platform
