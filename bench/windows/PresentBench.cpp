// PresentBench.cpp: bench_win_present.exe, the cost of one complete frame on the Windows
// display: the shell's own frame update (Lock, the splash scene composed whole, Unlock) and
// presentation (Blt of the new frame to the primary surface), timed over 300 frames one
// refresh apart. Run it
// in the folder that holds content\, on a 640x480 screen (bench/windows/run_win_bench.sh).
// Prints FIGURE win_present_ms (the median) and win_present_max_ms.
#include "core/Core.h"
#include "game/GameScenes.h"
#include "platform/Backend.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Backend.h"
#include "scene/SceneDirector.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr int kFrames = 300;

double NowMs()
{
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Changes one pixel of the back surface, so that the next frame, drawn whole over it, is a new
// picture to the display, which copies only frames that differ from the one it shows.
void DisturbBackSurface()
{
    WORD* pPixels = nullptr;
    LONG nPitch = 0;
    if (g_pBackSurface->Lock(&pPixels, &nPitch, Platform::LOCK_WAIT) != Platform::DISPLAY_OK)
        return;
    pPixels[0] = static_cast<WORD>(~pPixels[0]);
    g_pBackSurface->Unlock();
}

void PumpMessages(Platform::IWindowService& window)
{
    Platform::WindowMessage msg = {};
    while (window.PeekMessage(msg) && window.GetMessage(msg))
        window.DispatchMessage(msg);
}

} // namespace

int main()
{
    Platform::CWin32Backend win32;
    Platform::CScopedBackend scope(win32.Bundle());
    Platform::CWin32Window& window = win32.m_Window;

    const POINT size = Core::GameWindowSize();
    Platform::WindowDesc desc = {};
    desc.pszClassName = Core::kAppName;
    desc.pszTitle = Core::kWindowTitle;
    desc.pfnWindowProc = &Core::WindowProc;
    desc.nWidth = size.x;
    desc.nHeight = size.y;
    desc.nIconId = Core::kIconResource;
    desc.nCursorId = Core::kCursorResource;
    HWND hWnd = window.CreateWindow(desc);
    if (!hWnd)
        return 1;
    window.ShowWindow(hWnd, SW_SHOWDEFAULT);
    if (!Core::CreateDirectDraw(hWnd) || !Core::SetupDisplay(hWnd))
    {
        std::printf("the display could not be set up\n");
        return 1;
    }
    RegisterGameScenes();
    g_SceneDirector.Init(hWnd, g_dwRedMask, g_dwGreenMask, g_dwBlueMask);
    g_SceneDirector.Start();

    std::vector<double> times;
    for (int i = 0; i < kFrames; ++i)
    {
        PumpMessages(window);
        DisturbBackSurface();
        g_bFullRedraw = TRUE;
        const double dStart = NowMs();
        if (Core::UpdateFrame())
            Core::PresentFrame();
        times.push_back(NowMs() - dStart);
        ::Sleep(win32.m_Display.GetRefreshPeriod());
    }
    std::sort(times.begin(), times.end());
    std::printf("FIGURE win_present_ms %.2f\n", times[times.size() / 2]);
    std::printf("FIGURE win_present_max_ms %.2f\n", times.back());

    window.DestroyWindow(hWnd);
    if (g_pDirectDraw)
    {
        g_pDirectDraw->RestoreDisplayMode();
        g_pDirectDraw->Release();
        g_pDirectDraw = nullptr;
    }
    return 0;
}
