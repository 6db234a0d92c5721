// SdlClickProbe.cpp: the game's SDL shell with one probe scene that traces every mouse message
// it is given in picture pixels ("probe up X Y" for releases), for the tests under Xvfb.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "apps/game/GameOptions.h"
#include "apps/game/SdlGame.h"
#include "scene/Scene.h"
#include "scene/SceneDirector.h"
#include "trace/DebugTrace.h"

#include <filesystem>
#include <string>
#include <vector>

namespace
{

class CClickProbeScene : public CScene
{
public:
    void Load(DWORD, DWORD, DWORD) {}
    void Draw(WORD* pPixels, LONG nPitch, BOOL bFullRedraw) override
    {
        if (!bFullRedraw)
            return;
        // A 40-pixel checkerboard, so a screenshot shows where the picture sits.
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                pPixels[y * (nPitch / 2) + x] = ((x / 40 + y / 40) & 1) ? 0xF81F : 0x07FF;
    }
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override
    {
        DebugTrace("probe %s %d %d keys %u", bButtonUp ? "up" : "down", GET_X_LPARAM(lPosition),
                   GET_Y_LPARAM(lPosition), static_cast<unsigned>(wKeys));
        return TRUE;
    }
    void OnKey(WPARAM wKey, LPARAM) override { DebugTrace("probe key %u", static_cast<unsigned>(wKey)); }
};

void RegisterProbeScene()
{
    g_SceneDirector.SetSceneFactory(SCENESTATE_SPLASH, &CreateLoadedScene<CClickProbeScene>,
                                    "CClickProbeScene");
}

} // namespace

// Takes the game's options (--window, --scale, ...), so that the tests can try every mode.
int main(int argc, char** argv)
{
    SDL_SetMainReady();
    const GameApp::ParsedOptions parsed =
        GameApp::ParseGameOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), {});
    if (parsed.eAction != GameApp::OPTIONS_RUN)
        return 2;
    std::error_code error;
    return GameApp::RunSdlGame(&RegisterProbeScene, parsed.options,
                               std::filesystem::current_path(error).string());
}
