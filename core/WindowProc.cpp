// WindowProc.cpp: the game window's procedure: input to the scene director, the fixed window
// size, and the tear-down of sound and surfaces when the window is destroyed.
#include "core/Core.h"
#include "core/CoreSound.h"
#include "platform/Backend.h"
#include "platform/ScreenFormat.h"
#include "scene/SceneDirector.h"

namespace
{

void PinWindowSize(MINMAXINFO* pInfo)
{
    const POINT ptSize = Core::GameWindowSize();
    pInfo->ptMinTrackSize = ptSize;
    pInfo->ptMaxTrackSize = ptSize;
}

} // namespace

namespace Core
{

POINT GameWindowSize()
{
    Platform::IWindowService* pWindow = Platform::CurrentBackend().pWindow;
    POINT ptSize;
    ptSize.x = static_cast<LONG>(Platform::kScreenWidth + 2 * pWindow->GetSystemMetrics(SM_CXFRAME));
    ptSize.y = static_cast<LONG>(Platform::kScreenHeight + 2 * pWindow->GetSystemMetrics(SM_CYFRAME) +
                                 pWindow->GetSystemMetrics(SM_CYMENU));
    return ptSize;
}

LRESULT WindowProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    Platform::IWindowService* pWindow = Platform::CurrentBackend().pWindow;
    switch (nMessage)
    {
    case WM_DESTROY:
        // Also reached after a failed display set-up, which has released the surfaces already:
        // every release below checks its pointer first.
        DestroySoundEngineIfAny();
        ReleaseSurfaces(hwnd);
        pWindow->PostQuitMessage(0);
        return 0;
    case WM_GETMINMAXINFO:
        PinWindowSize(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_KEYDOWN:
        g_SceneDirector.OnKey(wParam, lParam);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        g_SceneDirector.OnMouse(wParam, lParam, FALSE);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        g_SceneDirector.OnMouse(wParam, lParam, TRUE);
        break;
    default:
        break;
    }
    return pWindow->DefWindowProc(hwnd, nMessage, wParam, lParam);
}

} // namespace Core
