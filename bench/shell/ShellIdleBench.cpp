// ShellIdleBench.cpp: the game's SDL shell showing one static scene: how long from the
// program's start to the first frame, and how much processor time the idle game takes over
// ten seconds. Prints FIGURE lines; run it under Xvfb (bench/shell/run_shell_bench.sh).
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "apps/game/SdlGame.h"
#include "scene/Scene.h"
#include "scene/SceneDirector.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace
{

using Clock = std::chrono::steady_clock;

Clock::time_point g_Start;
Clock::time_point g_FirstFrame;
double g_dFirstFrameCpu = 0.0;
bool g_bFirstFrameSeen = false;
Uint32 g_nIdleMs = 10000;

double ProcessCpuSeconds()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Uint32 CloseGame(Uint32, void*)
{
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}

// Draws a picture once; every later frame changes nothing.
class CStaticScene : public CScene
{
public:
    void Load(DWORD, DWORD, DWORD) {}
    void Draw(WORD* pPixels, LONG nPitch, BOOL bFullRedraw) override
    {
        if (bFullRedraw)
            for (int y = 0; y < 480; ++y)
                for (int x = 0; x < 640; ++x)
                    pPixels[y * (nPitch / 2) + x] =
                        static_cast<WORD>((x * 31 / 640) << 11 | (y * 63 / 480) << 5 | 12);
        if (!g_bFirstFrameSeen)
        {
            g_bFirstFrameSeen = true;
            g_FirstFrame = Clock::now();
            g_dFirstFrameCpu = ProcessCpuSeconds();
            SDL_AddTimer(g_nIdleMs, &CloseGame, nullptr);
        }
    }
    void Reserved() override {}
};

void RegisterStaticScene()
{
    g_SceneDirector.SetSceneFactory(SCENESTATE_SPLASH, &CreateLoadedScene<CStaticScene>, "CStaticScene");
}

} // namespace

int main(int argc, char** argv)
{
    g_Start = Clock::now();
    if (argc > 1)
        g_nIdleMs = static_cast<Uint32>(std::atoi(argv[1]));
    SDL_SetMainReady();
    SDL_InitSubSystem(SDL_INIT_TIMER);
    const int nExitCode = GameApp::RunSdlGame(&RegisterStaticScene);
    const Clock::time_point end = Clock::now();
    if (!g_bFirstFrameSeen)
    {
        std::fprintf(stderr, "no frame was drawn\n");
        return 1;
    }
    const double dStartupMs = std::chrono::duration<double, std::milli>(g_FirstFrame - g_Start).count();
    const double dIdleSeconds = std::chrono::duration<double>(end - g_FirstFrame).count();
    const double dCpuPercent = 100.0 * (ProcessCpuSeconds() - g_dFirstFrameCpu) / dIdleSeconds;
    std::printf("FIGURE startup_to_first_frame_ms %.1f\n", dStartupMs);
    std::printf("FIGURE idle_cpu_percent %.2f\n", dCpuPercent);
    return nExitCode;
}
