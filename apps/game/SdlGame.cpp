// SdlGame.cpp: the SDL backend bundle handed to the shell, with the checks around it that the
// player is told about: no display to show the game on, and a game already running.
#include "apps/game/SdlGame.h"

#include "core/Core.h"
#include "platform/Backend.h"
#include "platform/posix/SingleInstancePosix.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlEnvironment.h"
#include "platform/sdl/SdlVideoDriver.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace GameApp
{

namespace
{

// Drivers that show nothing are for tests only, which ask for them by this variable.
BOOL InvisibleVideoAllowed()
{
    const char* pszAllow = std::getenv("VELVINA_ALLOW_INVISIBLE");
    return pszAllow && *pszAllow && std::string(pszAllow) != "0";
}

} // namespace

int RunSdlGame(void (*pfnRegisterScenes)())
{
    std::string strReason;
    if (!Platform::StartVisibleVideo(InvisibleVideoAllowed(), &strReason))
    {
        std::fprintf(stderr, "VelvinaDemo needs a display: %s\n", strReason.c_str());
        SDL_Quit();
        return 1;
    }
    int nExitCode = 0;
    BOOL bAlreadyRunning = FALSE;
    {
        // The display is declared after the window so that it goes first.
        Platform::CSdlWindow window;
        Platform::CSdlDisplay display(window);
        Platform::CPosixSingleInstance lock;
        Platform::CSdlAudio audio;
        Platform::Backend backend;
        backend.pWindow = &window;
        backend.pDisplay = &display;
        backend.pSingleInstance = &lock;
        backend.pAudio = &audio;
        Platform::CScopedBackend scope(backend);
        pfnRegisterScenes();
        nExitCode = Core::AppMain(SW_SHOWDEFAULT);
        bAlreadyRunning = lock.WasRefused();
    }
    if (bAlreadyRunning)
    {
        std::fprintf(stderr, "VelvinaDemo is already running\n");
        Platform::RaiseWindowOfProcess(Platform::CPosixSingleInstance::HolderProcessId(Core::kAppName));
    }
    SDL_Quit();
    return nExitCode;
}

} // namespace GameApp
