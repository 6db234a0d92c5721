// AppMain.cpp: start-up in its fixed order, the first scene, the main loop and the shutdown
// that gives the display back.
#include "core/Core.h"
#include "core/CoreSound.h"
#include "platform/Backend.h"
#include "scene/SceneDirector.h"
#include "trace/DebugTrace.h"

namespace
{

// The shell's globals as a fresh process has them.
void ResetShellState()
{
    g_dwFramePeriod = 33;
    g_dwLastTickTime = 0;
    g_dwLastFrameTime = 0;
    g_pDirectDraw = nullptr;
    g_pPrimarySurface = nullptr;
    g_pBackSurface = nullptr;
    g_rcSource = {0, 0, 0, 0};
    g_rcDest = {0, 0, 0, 0};
    g_dwRedMask = 0;
    g_dwGreenMask = 0;
    g_dwBlueMask = 0;
    g_bPixelFormatKnown = FALSE;
    g_bFullRedraw = TRUE;
}

HWND CreateGameWindow()
{
    const POINT ptSize = Core::GameWindowSize();
    Platform::WindowDesc desc = {};
    desc.pszClassName = Core::kAppName;
    desc.pszTitle = Core::kWindowTitle;
    desc.pfnWindowProc = &Core::WindowProc;
    desc.nWidth = static_cast<int>(ptSize.x);
    desc.nHeight = static_cast<int>(ptSize.y);
    desc.nIconId = Core::kIconResource;
    desc.nCursorId = Core::kCursorResource;
    return Platform::CurrentBackend().pWindow->CreateWindow(desc);
}

// Loading the first scene runs before the main loop's handler exists; an exception there ends
// the program the same way the handler does.
BOOL StartFirstScene()
{
    try
    {
        g_SceneDirector.Start();
        return TRUE;
    }
    catch (...)
    {
        DebugTrace("Error, Unhandled exception detected while loading the first scene in core");
        return FALSE;
    }
}

// Gives everything back. After an exception the window still exists: destroying it tears
// down sound and surfaces through WM_DESTROY, exactly once. Then the display mode is restored
// and the device released.
void Shutdown(HWND hwnd)
{
    Platform::IWindowService* pWindow = Platform::CurrentBackend().pWindow;
    if (pWindow->IsWindow(hwnd))
        pWindow->DestroyWindow(hwnd);
    if (g_pDirectDraw)
    {
        g_pDirectDraw->RestoreDisplayMode();
        g_pDirectDraw->Release();
        g_pDirectDraw = nullptr;
    }
}

} // namespace

namespace Core
{

int AppMain(int nCmdShow)
{
    ResetShellState();
    const Platform::Backend& backend = Platform::CurrentBackend();
    if (!backend.pWindow || !backend.pDisplay || !backend.pSingleInstance)
    {
        DebugTrace("Error: no window, display or single-instance service installed in Core::AppMain");
        return 0;
    }
    if (!backend.pSingleInstance->Acquire(kAppName))
        return 0;

    HWND hwnd = CreateGameWindow();
    if (!hwnd)
        return 0;

    DebugTrace("VELVINA DEMO - BUILD %s\n", kBuildString);
    backend.pWindow->ShowWindow(hwnd, nCmdShow);
    backend.pWindow->UpdateWindow(hwnd);

    if (!CreateDirectDraw(hwnd) || !SetupDisplay(hwnd))
    {
        Shutdown(hwnd);
        return 0;
    }

    g_SceneDirector.Init(hwnd, g_dwRedMask, g_dwGreenMask, g_dwBlueMask);
    CreateSoundEngineFor(hwnd);

    int nExitCode = 0;
    if (StartFirstScene())
        nExitCode = RunMainLoop(hwnd);
    Shutdown(hwnd);
    return nExitCode;
}

} // namespace Core
