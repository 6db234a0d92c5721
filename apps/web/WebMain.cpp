// WebMain.cpp: entry of the page: the game's scenes on the browser backend. The content is in
// the page's virtual file system under /content, so the game runs in its root folder.
#include "core/Core.h"
#include "game/GameScenes.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessSingleInstance.h"
#include "platform/web/WebAudioDevice.h"
#include "platform/web/WebClock.h"
#include "platform/web/WebConsoleTraceSink.h"
#include "platform/web/WebDisplay.h"
#include "platform/web/WebWindow.h"

#include <emscripten.h>

#include <unistd.h>

namespace
{

// Tells the page that the game has ended, with its exit code.
EM_JS(void, velvina_game_ended, (int nExitCode), {
    if (Module["onGameEnded"])
        Module["onGameEnded"](nExitCode);
});

} // namespace

int main()
{
    if (chdir("/") != 0)
        return 1;
    int nExitCode = 0;
    {
        Platform::CWebClock clock;
        Platform::CWebWindow window;
        Platform::CWebDisplay display(window);
        // One game per page: the lock covers this page's program.
        Platform::CHeadlessSingleInstance lock;
        Platform::CWebAudio audio;
        Platform::CWebConsoleTraceSink console;
        Platform::CScopedBackend scope(
            Platform::MakeBackend(window, display, lock, &audio, &clock, &console));
        RegisterGameScenes();
        nExitCode = Core::AppMain(SW_SHOWDEFAULT);
    }
    velvina_game_ended(nExitCode);
    return nExitCode;
}
