// GameMain.cpp: entry of velvina, the game on SDL2: finds the content, then runs the game's
// scenes on the SDL backend.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "apps/game/ContentRoot.h"
#include "apps/game/SdlGame.h"
#include "game/GameScenes.h"

#include <string>

namespace
{

std::string ExecutableDir()
{
    char* pszBase = SDL_GetBasePath();
    if (!pszBase)
        return std::string();
    std::string strDir = pszBase;
    SDL_free(pszBase);
    return strDir;
}

} // namespace

int main(int, char**)
{
    SDL_SetMainReady();
    GameApp::EnterContentRoot(ExecutableDir());
    return GameApp::RunSdlGame(&RegisterGameScenes);
}
