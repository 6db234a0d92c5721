// GameMain.cpp: entry of velvina, the game on SDL2: finds the content, then runs the game's
// scenes on the SDL backend.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "apps/game/ContentRoot.h"
#include "apps/game/SdlGame.h"
#include "trace/DebugTrace.h"
#include "game/GameScenes.h"

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

// Moves to the folder that holds content/, or traces where it looked.
void EnterContentRoot()
{
    std::error_code error;
    const GameApp::ContentSearch search =
        GameApp::FindContentRoot(std::filesystem::current_path(error).string(), ExecutableDir());
    if (search.bFound)
    {
        std::filesystem::current_path(search.strRoot, error);
        return;
    }
    std::string strSearched;
    for (const std::string& strDir : search.Searched)
        strSearched += (strSearched.empty() ? "" : ", ") + strDir;
    DebugTrace("Warning: no content folder found; searched %s", strSearched.c_str());
}

} // namespace

int main(int, char**)
{
    SDL_SetMainReady();
    EnterContentRoot();
    return GameApp::RunSdlGame(&RegisterGameScenes);
}
