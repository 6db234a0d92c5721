// SceneDirector.h: owns the current scene and moves from screen to screen by exit code.
//
// The order of the screens is fixed here; the scene classes themselves live in a layer above,
// so the director makes them through a table of factories, one per state, that the game
// fills at start-up (tests fill it with their own scenes). Depends on scene/Scene.h, the
// platform window service (the closing message) and the backend's game observer, which hears
// of every scene that becomes current.
#pragma once

#include "platform/WinTypes.h"

#include <memory>

class CScene;

// States: which scene is current.
enum : int
{
    SCENESTATE_SPLASH = 0,
    SCENESTATE_SIGNIN = 1,
    SCENESTATE_WALL = 2,
    SCENESTATE_AVENUE = 3,
    SCENESTATE_MAKEOVER = 4,
    SCENESTATE_CREDITS = 5,
    SCENESTATE_COUNT = 6,
};

// Makes a scene and loads it with the display's colour masks; null when there is none.
typedef CScene* (*PFNCREATESCENE)(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

// The usual factory: default-construct TScene, then call its own Load with the masks.
template <class TScene> CScene* CreateLoadedScene(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    std::unique_ptr<TScene> pScene(new TScene);
    pScene->Load(dwRedMask, dwGreenMask, dwBlueMask);
    return pScene.release();
}

class CSceneDirector
{
public:
    CSceneDirector();
    virtual ~CSceneDirector();
    CSceneDirector(const CSceneDirector&) = delete;
    CSceneDirector& operator=(const CSceneDirector&) = delete;

    // Registers how the scene of nState is made (null removes it); pszClassName must live as
    // long as the director (a string literal). States outside 0..5 are ignored.
    void SetSceneFactory(int nState, PFNCREATESCENE pfnCreate, const char* pszClassName);

    void Init(HWND hWnd, DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);
    void Start();
    void Tick();
    void Draw(WORD* pPixels, LONG nPitch, BOOL bFullRedraw);
    void OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp);
    void OnKey(WPARAM wVirtualKey, LPARAM lKeyData);

    // For the shell and tests.
    BOOL HasScene() const { return m_bHasScene; }
    int GetState() const { return m_nState; }

private:
    struct SceneFactory
    {
        PFNCREATESCENE pfnCreate;
        const char* pszClassName;
    };

    // The state that follows nState left with nExitCode, or -1 when none does.
    static int NextState(int nState, int nExitCode);
    void DeleteScene();
    // Makes and loads the scene of nState and makes it current; leaves none when it has no
    // factory or its factory gives none.
    void EnterState(int nState);

    HWND m_hWnd;
    BOOL m_bFirstFrame;
    int m_nState;
    DWORD m_dwRedMask;
    DWORD m_dwGreenMask;
    DWORD m_dwBlueMask;
    BOOL m_bHasScene;
    CScene* m_pScene;

    SceneFactory m_Factories[SCENESTATE_COUNT];
};

extern CSceneDirector g_SceneDirector;
