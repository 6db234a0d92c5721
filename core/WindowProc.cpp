// WindowProc.cpp: the game window's procedure: input to the scene director, the fixed window
// size, and the tear-down of sound and surfaces when the window is destroyed.
#include "core/Core.h"
#include "core/CoreSound.h"
#include "scene/SceneDirector.h"

namespace
{

void PinWindowSize(Platform::MinMaxInfo* pInfo)
{
    Platform::IWindowService* pWindow = Core::CurrentServices().pWindow;
    const LONG nWidth = static_cast<LONG>(Core::kScreenWidth) + 2 * pWindow->GetSystemMetrics(SM_CXFRAME);
    const LONG nHeight = static_cast<LONG>(Core::kScreenHeight) + 2 * pWindow->GetSystemMetrics(SM_CYFRAME) +
                         pWindow->GetSystemMetrics(SM_CYMENU);
    pInfo->ptMinTrackSize.x = nWidth;
    pInfo->ptMinTrackSize.y = nHeight;
    pInfo->ptMaxTrackSize.x = nWidth;
    pInfo->ptMaxTrackSize.y = nHeight;
}

} // namespace

namespace Core
{

LRESULT WindowProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    Platform::IWindowService* pWindow = CurrentServices().pWindow;
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
        PinWindowSize(reinterpret_cast<Platform::MinMaxInfo*>(lParam));
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
