// SdlGame.cpp: the SDL backend bundle handed to the shell, with the checks around it that the
// player is told about: no display to show the game on, and a game already running.
#include "apps/game/SdlGame.h"

#include "apps/game/Screenshot.h"
#include "core/Core.h"
#include "platform/Backend.h"
#include "platform/mixer/OutputVolume.h"
#include "platform/posix/SingleInstancePosix.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlEnvironment.h"
#include "platform/sdl/SdlVideoDriver.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
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

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    return local;
}

} // namespace

int RunSdlGame(void (*pfnRegisterScenes)(), const GameOptions& options, const std::string& strScreenshotDir)
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
        // The volume outlives every device that plays through it; the display is declared after
        // the window so that it goes first.
        COutputVolume volume;
        Platform::CSdlWindow window;
        Platform::CSdlDisplay display(window);
        Platform::CPosixSingleInstance lock;
        Platform::CSdlAudio audio;
        volume.SetLevel(options.nVolume);
        volume.SetMuted(options.bMuted);
        audio.SetOutputVolume(&volume);
        window.AttachVolume(&volume, options.bMuteUnfocused);
        window.SetStartFullscreen(options.bFullscreen);
        window.SetScaleMode(options.eScale);
        window.SetScreenshotWriter([strScreenshotDir](const std::vector<WORD>& frame)
                                   { return SaveScreenshot(strScreenshotDir, frame, LocalTimeNow()); });
        Platform::CScopedBackend scope(Platform::MakeBackend(window, display, lock, &audio));
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
