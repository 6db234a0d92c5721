// WindowService.cpp: the portable window calls, forwarded to the installed backend's window.
#include "platform/WindowService.h"

#include "platform/Backend.h"

namespace Platform
{

BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    IWindowService* pWindow = CurrentBackend().pWindow;
    return pWindow ? pWindow->PostMessage(hWnd, nMessage, wParam, lParam) : FALSE;
}

HCURSOR LoadCursor(int nCursorId)
{
    IWindowService* pWindow = CurrentBackend().pWindow;
    return pWindow ? pWindow->LoadCursor(nCursorId) : nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    IWindowService* pWindow = CurrentBackend().pWindow;
    return pWindow ? pWindow->SetCursor(hCursor) : nullptr;
}

} // namespace Platform
