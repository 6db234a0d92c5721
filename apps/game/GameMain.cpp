// GameMain.cpp: entry of velvina, the game on SDL2: finds the content, then runs the game's
// scenes on the SDL backend.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "apps/game/ContentRoot.h"
#include "apps/game/SdlGame.h"
#include "game/GameScenes.h"

#include <cstdio>
#include <filesystem>
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

// Moves to the folder that holds content/. Without one the game could only show a black
// screen, so the player is told where it looked (in a message box, which needs no game window,
// and on standard error) and FALSE comes back.
bool EnterContentRoot()
{
    std::error_code error;
    const GameApp::ContentSearch search =
        GameApp::FindContentRoot(std::filesystem::current_path(error).string(), ExecutableDir());
    if (search.bFound)
    {
        std::filesystem::current_path(search.strRoot, error);
        return true;
    }
    const std::string strMessage = GameApp::DescribeMissingContent(search);
    std::fprintf(stderr, "%s\n", strMessage.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "VelvinaDemo", strMessage.c_str(), nullptr);
    return false;
}

} // namespace

int main(int, char**)
{
    SDL_SetMainReady();
    if (!EnterContentRoot())
    {
        SDL_Quit();
        return 1;
    }
    return GameApp::RunSdlGame(&RegisterGameScenes);
}
