// AppMain.cpp: start-up in its fixed order, the first scene, the main loop and the shutdown
// that gives the display back.
#include "core/Core.h"
#include "core/CoreSound.h"
#include "core/DebugTrace.h"
#include "scene/SceneDirector.h"

namespace
{

Core::Services g_Services = {nullptr, nullptr, nullptr};

// The shell's globals as a fresh process has them.
void ResetShellState(const Core::Services& services)
{
    g_Services = services;
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
    Platform::IWindowService* pWindow = g_Services.pWindow;
    Platform::WindowDesc desc = {};
    desc.pszClassName = Core::kAppName;
    desc.pszTitle = Core::kWindowTitle;
    desc.pfnWindowProc = &Core::WindowProc;
    desc.nWidth = static_cast<int>(Core::kScreenWidth) + 2 * pWindow->GetSystemMetrics(SM_CXFRAME);
    desc.nHeight = static_cast<int>(Core::kScreenHeight) + 2 * pWindow->GetSystemMetrics(SM_CYFRAME) +
                   pWindow->GetSystemMetrics(SM_CYMENU);
    desc.nIconId = Core::kIconResource;
    desc.nCursorId = Core::kCursorResource;
    return pWindow->CreateWindow(desc);
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
    if (g_Services.pWindow->IsWindow(hwnd))
        g_Services.pWindow->DestroyWindow(hwnd);
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

const Services& CurrentServices()
{
    return g_Services;
}

int AppMain(const Services& services, int nCmdShow)
{
    ResetShellState(services);
    if (!services.pSingleInstance->Acquire(kAppName))
        return 0;

    HWND hwnd = CreateGameWindow();
    if (!hwnd)
        return 0;

    DebugTrace("VELVINA DEMO - BUILD %s\n", kBuildString);
    services.pWindow->ShowWindow(hwnd, nCmdShow);
    services.pWindow->UpdateWindow(hwnd);

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
