// SdlGame.cpp: the SDL window, display and lock handed to the shell.
#include "apps/game/SdlGame.h"

#include "core/Core.h"
#include "platform/posix/SingleInstancePosix.h"
#include "platform/AudioDevice.h"
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
        Platform::IWindowBackend* pPrevious = Platform::SetWindowBackend(&window);
        Platform::IAudioBackend* pPreviousAudio = Platform::SetAudioBackend(&audio);
        pfnRegisterScenes();
        nExitCode = Core::AppMain(Core::Services{&window, &display, &lock}, SW_SHOWDEFAULT);
        Platform::SetAudioBackend(pPreviousAudio);
        Platform::SetWindowBackend(pPrevious);
    }
    SDL_Quit();
    return nExitCode;
}

} // namespace GameApp
