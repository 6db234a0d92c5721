// GameScenes.cpp: fills the scene director's factory table with the game's scenes, each
// under its class name (the name the director reports when the scene becomes current).
#include "game/GameScenes.h"

#include "game/AvenueScene.h"
#include "game/CreditsScene.h"
#include "game/MakeoverScene.h"
#include "game/SignInScene.h"
#include "game/SplashScene.h"
#include "game/WallScene.h"
#include "scene/SceneDirector.h"

void RegisterGameScenes()
{
    g_SceneDirector.SetSceneFactory(SCENESTATE_SPLASH, &CreateLoadedScene<CSPlashScene>, "CSPlashScene");
    g_SceneDirector.SetSceneFactory(SCENESTATE_SIGNIN, &CreateLoadedScene<CSignInScene>, "CSignInScene");
    g_SceneDirector.SetSceneFactory(SCENESTATE_WALL, &CreateLoadedScene<CWallScene>, "CWallScene");
    g_SceneDirector.SetSceneFactory(SCENESTATE_AVENUE, &CreateLoadedScene<CAvenueScene>, "CAvenueScene");
    g_SceneDirector.SetSceneFactory(SCENESTATE_MAKEOVER, &CreateLoadedScene<CMakeoverScene>,
                                    "CMakeoverScene");
    g_SceneDirector.SetSceneFactory(SCENESTATE_CREDITS, &CreateLoadedScene<CCreditsScene>, "CCreditsScene");
}
