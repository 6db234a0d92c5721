// SplashScene.cpp: loading the title screen, its button and its music loop.
#include "game/SplashScene.h"

#include "game/MusicRotation.h"
#include "game/SceneSupport.h"
#include "game/layout/SplashLayout.h"
#include "platform/WindowService.h"
#include "sound/MRVSoundEngine.h"
#include "trace/DebugTrace.h"

CSPlashScene::CSPlashScene() : m_nExitCode(0), m_hPrevCursor(nullptr), m_pMusic(nullptr) {}

CSPlashScene::~CSPlashScene()
{
    // At process exit the engine may already be gone, and with it every sound.
    if (g_pSoundEngine)
    {
        g_pSoundEngine->StopSound(m_pMusic);
        g_pSoundEngine->RemoveSoundObject(m_pMusic);
    }
}

void CSPlashScene::Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_hPrevCursor = ShowWaitCursor();

    if (!LoadSceneBackground(m_imgBackground, SplashLayout::pszBackground))
        DebugTrace("Image decompress in CSPlashScene failed");
    SetBackground(&m_imgBackground, dwRedMask, dwGreenMask, dwBlueMask);

    PrepareSceneImage(m_imgButton, SplashLayout::pszButton, m_nPixelFormat, m_dwRedMask, m_dwGreenMask,
                      m_dwBlueMask);
    AddHighlightSprite(*this, m_sprButton, m_imgButton, SplashLayout::ptButton, MRVSPRITE_DRAW_NORMAL);

    m_rcButton = LayoutToRect(SplashLayout::rcButton);
    m_Hotspots.Add(&m_rcButton);

    m_pMusic = StartStreamedSound(SplashLayout::pszMusic);

    Platform::SetCursor(m_hPrevCursor);
}

int CSPlashScene::Update()
{
    if (m_nExitCode)
        return m_nExitCode;
    // The title music loops: a stream that has played to its end starts over from the top.
    if (g_pSoundEngine && !g_pSoundEngine->IsSoundPlaying(m_pMusic))
    {
        g_pSoundEngine->RemoveSoundObject(m_pMusic);
        m_pMusic = StartStreamedSound(SplashLayout::pszMusic);
    }
    return 0;
}

BOOL CSPlashScene::OnMouse(WPARAM /*wKeys*/, LPARAM lPosition, BOOL bButtonUp)
{
    if (m_nExitCode)
        return m_nExitCode;
    const POINT pt = {LOWORD(lPosition), HIWORD(lPosition)};
    if (m_Hotspots.HitTest(&pt) == &m_rcButton)
    {
        m_sprButton.SetState(MRVSPRITE_SHOWN);
        if (bButtonUp)
            m_nExitCode = 1;
    }
    else
    {
        m_sprButton.SetState(MRVSPRITE_HIDDEN);
    }
    return m_nExitCode;
}
