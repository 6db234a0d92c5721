// SdlGame.cpp: the SDL backend bundle handed to the shell.
#include "apps/game/SdlGame.h"

#include "core/Core.h"
#include "platform/Backend.h"
#include "platform/posix/SingleInstancePosix.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

namespace GameApp
{

int RunSdlGame(void (*pfnRegisterScenes)())
{
    int nExitCode = 0;
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
    }
    SDL_Quit();
    return nExitCode;
}

} // namespace GameApp
