// WallScene.cpp: the welcome wall's loading, its three exits and its voices and music.
#include "game/WallScene.h"

#include "game/MusicRotation.h"
#include "game/SceneSupport.h"
#include "game/layout/SceneMusic.h"
#include "game/layout/WallLayout.h"
#include "platform/Clock.h"
#include "platform/WindowService.h"
#include "sound/MRVSoundEngine.h"

BOOL g_bWelcomePlayed = FALSE;

CWallScene::CWallScene()
    : m_nExitCode(0), m_hPrevCursor(nullptr), m_pWelcomeBack(nullptr), m_pMusic(nullptr), m_pWelcome(nullptr),
      m_pBootSound(nullptr)
{
}

CWallScene::~CWallScene()
{
    // Removing a sound also ends its playback.
    if (!g_pSoundEngine)
        return;
    for (CMRVSoundObject* pSound : {m_pWelcomeBack, m_pWelcome, m_pBootSound, m_pMusic})
        if (pSound)
            g_pSoundEngine->RemoveSoundObject(pSound);
}

void CWallScene::Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_hPrevCursor = ShowWaitCursor();

    LoadSceneBackground(m_imgBackground, WallLayout::pszBackground);
    SetBackground(&m_imgBackground, dwRedMask, dwGreenMask, dwBlueMask);

    PrepareSceneImage(m_imgBoot, WallLayout::pszBoot, m_nPixelFormat, m_dwRedMask, m_dwGreenMask,
                      m_dwBlueMask);
    PrepareSceneImage(m_imgMakeover, WallLayout::pszMakeover, m_nPixelFormat, m_dwRedMask, m_dwGreenMask,
                      m_dwBlueMask);
    PrepareSceneImage(m_imgAvenue, WallLayout::pszAvenue, m_nPixelFormat, m_dwRedMask, m_dwGreenMask,
                      m_dwBlueMask);
    AddHighlightSprite(*this, m_sprBoot, m_imgBoot, WallLayout::ptBoot, MRVSPRITE_DRAW_PLAIN);
    AddHighlightSprite(*this, m_sprMakeover, m_imgMakeover, WallLayout::ptMakeover, MRVSPRITE_DRAW_PLAIN);
    AddHighlightSprite(*this, m_sprAvenue, m_imgAvenue, WallLayout::ptAvenue, MRVSPRITE_DRAW_PLAIN);

    m_rcBoot = LayoutToRect(WallLayout::rcBoot);
    m_rcMakeover = LayoutToRect(WallLayout::rcMakeover);
    m_rcAvenue = LayoutToRect(WallLayout::rcAvenue);
    m_Hotspots.Add(&m_rcBoot);
    m_Hotspots.Add(&m_rcMakeover);
    m_Hotspots.Add(&m_rcAvenue);

    LoadSounds();

    Platform::SetCursor(m_hPrevCursor);
}

void CWallScene::LoadSounds()
{
    if (!g_pSoundEngine)
        return;
    m_pBootSound = g_pSoundEngine->AddSoundObject();
    m_pBootSound->SetFileName(WallLayout::pszBootSound);
    g_pSoundEngine->InitSoundObject(m_pBootSound);

    if (g_bWelcomePlayed)
    {
        m_pWelcomeBack = g_pSoundEngine->AddSoundObject();
        m_pWelcomeBack->SetFileName(WallLayout::pszWelcomeBack);
        g_pSoundEngine->InitSoundObject(m_pWelcomeBack);
        g_pSoundEngine->PlaySound(m_pWelcomeBack, FALSE);
    }
    else
    {
        m_pWelcome = StartStreamedSound(WallLayout::pszWelcome);
        g_bWelcomePlayed = TRUE;
    }

    m_pMusic = StartStreamedSound(SceneMusic::apszTracks[MUSIC_FIRST_TRACK]);
}

void CWallScene::PlayBootExit()
{
    if (m_pWelcomeBack)
        g_pSoundEngine->StopSound(m_pWelcomeBack);
    if (m_pWelcome)
        g_pSoundEngine->StopSound(m_pWelcome);
    g_pSoundEngine->StopSound(m_pMusic);
    g_pSoundEngine->PlaySound(m_pBootSound, FALSE);
    // The game stands still (no drawing, no input) while the boot sound plays.
    Platform::Sleep(WallLayout::dwBootDelayMs);
}

BOOL CWallScene::OnMouse(WPARAM /*wKeys*/, LPARAM lPosition, BOOL bButtonUp)
{
    // After a click the chosen highlight stays as it is until the scene ends.
    if (m_nExitCode)
        return FALSE;
    const POINT pt = {LOWORD(lPosition), HIWORD(lPosition)};
    const CMRVRect* pArea = m_Hotspots.HitTest(&pt);

    if (pArea == &m_rcBoot && bButtonUp)
    {
        if (g_pSoundEngine)
            PlayBootExit();
        m_nExitCode = WallLayout::nExitBoot;
    }
    m_sprBoot.SetState(pArea == &m_rcBoot ? MRVSPRITE_SHOWN : MRVSPRITE_HIDDEN);

    if (pArea == &m_rcMakeover && bButtonUp)
        m_nExitCode = WallLayout::nExitMakeover;
    m_sprMakeover.SetState(pArea == &m_rcMakeover ? MRVSPRITE_SHOWN : MRVSPRITE_HIDDEN);

    if (pArea == &m_rcAvenue && bButtonUp)
        m_nExitCode = WallLayout::nExitAvenue;
    m_sprAvenue.SetState(pArea == &m_rcAvenue ? MRVSPRITE_SHOWN : MRVSPRITE_HIDDEN);
    return TRUE;
}

int CWallScene::Update()
{
    if (m_nExitCode)
        return m_nExitCode;
    KeepMusicRotating(m_pMusic, g_nWallLastTrack);
    return 0;
}
