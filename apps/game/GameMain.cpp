// GameMain.cpp: entry of velvina, the game on SDL2: reads the frontend's options, finds the
// content, then runs the game's scenes on the SDL backend.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "apps/game/ContentRoot.h"
#include "apps/game/GameOptions.h"
#include "apps/game/Screenshot.h"
#include "apps/game/SdlGame.h"
#include "core/Core.h"
#include "game/GameScenes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

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

// The environment variables the frontend reads.
std::map<std::string, std::string> Environment()
{
    std::map<std::string, std::string> environment;
    std::vector<const char*> names(GameApp::kOptionVariables,
                                   GameApp::kOptionVariables + GameApp::kOptionVariableCount);
    names.insert(names.end(), {"HOME", "XDG_CONFIG_HOME"});
    for (const char* pszName : names)
        if (const char* pszValue = std::getenv(pszName))
            environment[pszName] = pszValue;
    return environment;
}

// Moves to the folder that holds content/. Without one the game could only show a black
// screen, so the player is told where it looked (in a message box, which needs no game window,
// and on standard error) and false comes back.
bool EnterContentRoot(const std::string& strWorkingDir, const std::string& strNamedDir)
{
    const GameApp::ContentSearch search = strNamedDir.empty()
                                              ? GameApp::FindContentRoot(strWorkingDir, ExecutableDir())
                                              : GameApp::FindNamedContentRoot(strNamedDir);
    if (search.bFound)
    {
        std::error_code error;
        std::filesystem::current_path(search.strRoot, error);
        return true;
    }
    const std::string strMessage = GameApp::DescribeMissingContent(search);
    std::fprintf(stderr, "%s\n", strMessage.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "VelvinaDemo", strMessage.c_str(), nullptr);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    SDL_SetMainReady();
    const std::map<std::string, std::string> environment = Environment();
    const GameApp::ParsedOptions parsed = GameApp::ParseGameOptions(
        std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), environment);
    switch (parsed.eAction)
    {
    case GameApp::OPTIONS_HELP:
        std::fputs(GameApp::UsageText().c_str(), stdout);
        return 0;
    case GameApp::OPTIONS_VERSION:
        std::printf("velvina %s (VelvinaDemo, build %s)\n", VELVINA_VERSION, Core::kBuildString);
        return 0;
    case GameApp::OPTIONS_ERROR:
        std::fprintf(stderr, "velvina: %s\n%s", parsed.strError.c_str(), GameApp::UsageText().c_str());
        return 2;
    case GameApp::OPTIONS_RUN:
        break;
    }

    // Screenshots go to the pictures folder, or where the player started the game (the game
    // itself runs in the content's folder, which may be read-only).
    std::error_code error;
    const std::string strStartDir = std::filesystem::current_path(error).string();
    if (!EnterContentRoot(strStartDir, parsed.options.strContentDir))
    {
        SDL_Quit();
        return 1;
    }
    return GameApp::RunSdlGame(&RegisterGameScenes, parsed.options,
                               GameApp::ScreenshotFolder(environment, strStartDir));
}
