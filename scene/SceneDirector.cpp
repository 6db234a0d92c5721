// SceneDirector.cpp: the director's tick, the table of which scene follows which, and the
// forwarding of frames and input to the current scene.
#include "scene/SceneDirector.h"

#include "platform/Backend.h"
#include "platform/WindowService.h"
#include "scene/Scene.h"

CSceneDirector g_SceneDirector;

namespace
{
// Results of the state table besides a state number.
constexpr int NEXT_NONE = -1; // the code is not listed: no scene follows
constexpr int NEXT_QUIT = -2; // the credits have finished: close the window
} // namespace

CSceneDirector::CSceneDirector()
    : m_hWnd(nullptr), m_bFirstFrame(FALSE), m_nState(SCENESTATE_SPLASH), m_dwRedMask(0), m_dwGreenMask(0),
      m_dwBlueMask(0), m_bHasScene(FALSE), m_pScene(nullptr), m_Factories()
{
}

CSceneDirector::~CSceneDirector()
{
    DeleteScene();
}

void CSceneDirector::SetSceneFactory(int nState, PFNCREATESCENE pfnCreate, const char* pszClassName)
{
    if (nState < 0 || nState >= SCENESTATE_COUNT)
        return;
    m_Factories[nState].pfnCreate = pfnCreate;
    m_Factories[nState].pszClassName = pszClassName;
}

void CSceneDirector::Init(HWND hWnd, DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_hWnd = hWnd;
    m_dwRedMask = dwRedMask;
    m_dwGreenMask = dwGreenMask;
    m_dwBlueMask = dwBlueMask;
}

void CSceneDirector::Start()
{
    // A second start replaces whatever runs instead of losing it.
    DeleteScene();
    EnterState(SCENESTATE_SPLASH);
    m_bFirstFrame = TRUE;
}

int CSceneDirector::NextState(int nState, int nExitCode)
{
    switch (nState)
    {
    case SCENESTATE_SPLASH:
        return SCENESTATE_SIGNIN;
    case SCENESTATE_SIGNIN:
        if (nExitCode == 1)
            return SCENESTATE_CREDITS;
        if (nExitCode == 2)
            return SCENESTATE_WALL;
        return NEXT_NONE;
    case SCENESTATE_WALL:
        if (nExitCode == 1)
            return SCENESTATE_AVENUE;
        if (nExitCode == 2)
            return SCENESTATE_MAKEOVER;
        if (nExitCode == 3)
            return SCENESTATE_SIGNIN;
        return NEXT_NONE;
    case SCENESTATE_AVENUE:
    case SCENESTATE_MAKEOVER:
        return SCENESTATE_WALL;
    case SCENESTATE_CREDITS:
        return NEXT_QUIT;
    default:
        return NEXT_NONE;
    }
}

void CSceneDirector::Tick()
{
    if (!m_bHasScene)
        return;

    const int nExitCode = m_pScene->Update();
    if (nExitCode <= 0)
        return;

    DeleteScene();

    const int nNext = NextState(m_nState, nExitCode);
    if (nNext == NEXT_QUIT)
    {
        // The window's default handling destroys it and the shell ends; until then there is
        // no scene, so nothing is drawn, ticked or given input.
        Platform::PostMessage(m_hWnd, WM_CLOSE, 0, 0);
        return;
    }
    if (nNext != NEXT_NONE)
        EnterState(nNext);
    m_bFirstFrame = TRUE;
}

void CSceneDirector::Draw(WORD* pPixels, LONG nPitch, BOOL bFullRedraw)
{
    if (!m_bHasScene)
        return;
    if (m_bFirstFrame)
    {
        // A new scene's screen image has never been shown: its first frame is complete.
        m_bFirstFrame = FALSE;
        m_pScene->Draw(pPixels, nPitch, TRUE);
        return;
    }
    m_pScene->Draw(pPixels, nPitch, bFullRedraw);
}

void CSceneDirector::OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp)
{
    if (m_bHasScene)
        m_pScene->OnMouse(wKeys, lPosition, bButtonUp);
}

void CSceneDirector::OnKey(WPARAM wVirtualKey, LPARAM lKeyData)
{
    if (m_bHasScene)
        m_pScene->OnKey(wVirtualKey, lKeyData);
}

void CSceneDirector::DeleteScene()
{
    CScene* pScene = m_pScene;
    const BOOL bHadScene = m_bHasScene;
    m_pScene = nullptr;
    m_bHasScene = FALSE;
    if (bHadScene && pScene)
        delete pScene;
}

void CSceneDirector::EnterState(int nState)
{
    const SceneFactory& factory = m_Factories[nState];
    if (!factory.pfnCreate)
        return;

    // The scene is loaded completely before it becomes current.
    CScene* pScene = factory.pfnCreate(m_dwRedMask, m_dwGreenMask, m_dwBlueMask);
    if (!pScene)
        return;

    m_pScene = pScene;
    m_bHasScene = TRUE;
    m_nState = nState;
    if (Platform::IGameObserver* pObserver = Platform::CurrentBackend().pObserver)
        pObserver->OnSceneChange(nState, factory.pszClassName ? factory.pszClassName : "");
}
