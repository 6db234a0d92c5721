// MainLoop.cpp: the message pump with fixed 33-ms game ticks and their catch-up rule, and the
// pacing of frames to the display's refresh so that an idle game sleeps.
#include "core/Core.h"
#include "platform/Backend.h"
#include "platform/Clock.h"
#include "scene/SceneDirector.h"
#include "trace/DebugTrace.h"

DWORD g_dwFramePeriod = 33;
DWORD g_dwLastTickTime = 0;
DWORD g_dwLastFrameTime = 0;

namespace
{

constexpr DWORD kMaxCatchUpTicks = 10;

BOOL g_bFrameDrawnYet = FALSE;

// Runs the ticks that are due: one once more than a period has passed since the last batch,
// plus one per whole period passed when that is more than one (at most ten), then measures
// the next batch from the time after them. TRUE when any tick ran.
BOOL RunDueTicks()
{
    const DWORD dwElapsed = Platform::TimeGetTime() - g_dwLastTickTime;
    if (static_cast<LONG>(dwElapsed) <= static_cast<LONG>(g_dwFramePeriod))
        return FALSE;

    g_SceneDirector.Tick();
    DWORD dwPeriods = dwElapsed / g_dwFramePeriod;
    if (dwPeriods > 1)
    {
        if (dwPeriods > kMaxCatchUpTicks)
            dwPeriods = kMaxCatchUpTicks;
        for (DWORD i = 0; i < dwPeriods; ++i)
            g_SceneDirector.Tick();
    }
    g_dwLastTickTime = Platform::TimeGetTime();
    return TRUE;
}

// Milliseconds until the display can take the next frame (0: now).
DWORD TimeToNextFrame(DWORD dwNow)
{
    const DWORD dwRefresh = g_pDirectDraw->GetRefreshPeriod();
    if (!g_bFrameDrawnYet || dwRefresh == 0)
        return 0;
    const LONG nLeft = static_cast<LONG>(g_dwLastFrameTime + dwRefresh - dwNow);
    return nLeft > 0 ? static_cast<DWORD>(nLeft) : 0;
}

// Milliseconds until the next tick is due (the first moment elapsed exceeds the period).
DWORD TimeToNextTick(DWORD dwNow)
{
    const LONG nLeft = static_cast<LONG>(g_dwLastTickTime + g_dwFramePeriod + 1 - dwNow);
    return nLeft > 0 ? static_cast<DWORD>(nLeft) : 0;
}

void RunPasses(Platform::WindowMessage& msg)
{
    Platform::IWindowService* pWindow = Platform::CurrentBackend().pWindow;
    BOOL bStarted = FALSE;
    // Whether a message or a tick may have changed the picture since the last frame: only
    // then is a frame composed, so a still screen costs one wake-up per tick, not per refresh.
    BOOL bChanged = TRUE;
    g_bFrameDrawnYet = FALSE;
    for (;;)
    {
        Platform::WindowMessage waiting = {};
        if (pWindow->PeekMessage(waiting))
        {
            if (!pWindow->GetMessage(msg))
                return;
            pWindow->DispatchMessage(msg);
            bChanged = TRUE;
            continue;
        }

        if (!bStarted)
        {
            g_dwLastTickTime = Platform::TimeGetTime();
            bStarted = TRUE;
        }
        if (RunDueTicks())
            bChanged = TRUE;

        // One frame per display refresh; in between the loop sleeps until a message arrives,
        // the next tick is due or the display can take a frame again.
        const DWORD dwNow = Platform::TimeGetTime();
        const DWORD dwTickWait = TimeToNextTick(dwNow);
        if (!bChanged && !g_bFullRedraw)
        {
            pWindow->WaitMessage(dwTickWait);
            continue;
        }
        const DWORD dwFrameWait = TimeToNextFrame(dwNow);
        if (dwFrameWait > 0)
        {
            pWindow->WaitMessage(dwTickWait < dwFrameWait ? dwTickWait : dwFrameWait);
            continue;
        }

        g_dwLastFrameTime = dwNow;
        g_bFrameDrawnYet = TRUE;
        if (!Core::UpdateFrame())
        {
            DebugTrace("UpdateFrame return FALSE, performing continue.\n");
            continue;
        }
        bChanged = FALSE;
        Core::PresentFrame();
    }
}

} // namespace

namespace Core
{

int RunMainLoop(HWND hwnd)
{
    Platform::WindowMessage msg = {};
    try
    {
        RunPasses(msg);
    }
    catch (...)
    {
        // The loop is not resumed: the shutdown that follows ends the program in order.
        DebugTrace("Error, Unhandled exception detected in application main loop in core");
        Platform::PostMessage(hwnd, WM_CLOSE, 0, 0);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace Core
