// SignInScene.cpp: the sign-in screen's loading, its two choices and its timed leave.
#include "game/SignInScene.h"

#include "game/MusicRotation.h"
#include "game/SceneSupport.h"
#include "game/layout/SceneMusic.h"
#include "game/layout/SignInLayout.h"
#include "platform/Clock.h"
#include "platform/WindowService.h"
#include "sound/MRVSoundEngine.h"

BOOL g_bGreetingPlayed = FALSE;

namespace
{
constexpr int kExitFarewell = 1;
constexpr int kExitContinue = 2;
} // namespace

CSignInScene::CSignInScene()
    : m_nExitCode(0), m_bFarewell(FALSE), m_bContinue(FALSE), m_dwLeaveDelay(0), m_dwLeaveDeadline(0),
      m_hPrevCursor(nullptr), m_pGreeting(nullptr), m_pFarewellVoice(nullptr), m_pContinueSound(nullptr),
      m_pMusic(nullptr)
{
}

CSignInScene::~CSignInScene()
{
    StopAndRemoveSounds({m_pFarewellVoice, m_pContinueSound, m_pGreeting, m_pMusic});
}

void CSignInScene::Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_hPrevCursor = ShowWaitCursor();

    LoadSceneBackground(m_imgBackground, SignInLayout::pszBackground);
    SetBackground(&m_imgBackground, dwRedMask, dwGreenMask, dwBlueMask);

    PrepareSceneImage(m_imgFarewell, SignInLayout::pszFarewell, m_nPixelFormat, m_dwRedMask, m_dwGreenMask,
                      m_dwBlueMask);
    PrepareSceneImage(m_imgContinue, SignInLayout::pszContinue, m_nPixelFormat, m_dwRedMask, m_dwGreenMask,
                      m_dwBlueMask);
    AddHighlightSprite(*this, m_sprFarewell, m_imgFarewell, SignInLayout::ptFarewell, MRVSPRITE_DRAW_PLAIN);
    AddHighlightSprite(*this, m_sprContinue, m_imgContinue, SignInLayout::ptContinue, MRVSPRITE_DRAW_PLAIN);

    m_aniTalk.Load(SignInLayout::pszTalk, dwRedMask, dwGreenMask, dwBlueMask);
    m_aniTalk.SetPosition(SignInLayout::ptTalk.x, SignInLayout::ptTalk.y, 0);
    m_aniTalk.m_nDrawMode = MRVSPRITE_DRAW_PLAIN;
    m_aniTalk.SetFrameRate(SignInLayout::nTalkFrameRate);
    AddSprite(&m_aniTalk);

    // Continue is registered first: where the areas could overlap, it wins.
    m_rcFarewell = LayoutToRect(SignInLayout::rcFarewell);
    m_rcContinue = LayoutToRect(SignInLayout::rcContinue);
    m_Hotspots.Add(&m_rcContinue);
    m_Hotspots.Add(&m_rcFarewell);

    LoadSounds();

    Platform::SetCursor(m_hPrevCursor);
}

// All sounds are created first, then initialised, then the music and the greeting start.
void CSignInScene::LoadSounds()
{
    if (!g_pSoundEngine)
        return;
    m_pFarewellVoice = g_pSoundEngine->AddStreamingSoundObject();
    m_pFarewellVoice->SetFileName(SignInLayout::pszFarewellVoice);
    m_pContinueSound = g_pSoundEngine->AddSoundObject();
    m_pContinueSound->SetFileName(SignInLayout::pszContinueSound);
    if (!g_bGreetingPlayed)
    {
        m_pGreeting = g_pSoundEngine->AddStreamingSoundObject();
        m_pGreeting->SetFileName(SignInLayout::pszGreeting);
    }
    m_pMusic = g_pSoundEngine->AddStreamingSoundObject();
    m_pMusic->SetFileName(SceneMusic::apszTracks[MUSIC_FIRST_TRACK]);

    g_pSoundEngine->InitStreamingSoundObject(m_pFarewellVoice);
    g_pSoundEngine->InitSoundObject(m_pContinueSound);
    if (m_pGreeting)
        g_pSoundEngine->InitStreamingSoundObject(m_pGreeting);
    g_pSoundEngine->InitStreamingSoundObject(m_pMusic);

    g_pSoundEngine->PlaySound(m_pMusic, TRUE);
    if (m_pGreeting)
    {
        g_pSoundEngine->PlaySound(m_pGreeting, TRUE);
        g_bGreetingPlayed = TRUE;
    }
}

void CSignInScene::StopBackgroundSounds()
{
    g_pSoundEngine->StopSound(m_pMusic);
    if (m_pGreeting)
        g_pSoundEngine->StopSound(m_pGreeting);
}

BOOL CSignInScene::OnMouse(WPARAM /*wKeys*/, LPARAM lPosition, BOOL bButtonUp)
{
    // After a choice the chosen highlight stays as it is until the scene ends.
    if (m_nExitCode || m_bFarewell || m_bContinue)
        return FALSE;
    const POINT pt = {LOWORD(lPosition), HIWORD(lPosition)};
    const CMRVRect* pArea = m_Hotspots.HitTest(&pt);

    if (pArea == &m_rcFarewell && bButtonUp)
    {
        if (g_pSoundEngine)
        {
            StopBackgroundSounds();
            g_pSoundEngine->PlaySound(m_pFarewellVoice, TRUE);
        }
        m_aniTalk.SetFrame(0);
        m_bFarewell = TRUE;
    }
    m_sprFarewell.SetState(pArea == &m_rcFarewell ? MRVSPRITE_SHOWN : MRVSPRITE_HIDDEN);

    if (pArea == &m_rcContinue && bButtonUp)
    {
        m_aniTalk.SetFrame(0);
        if (g_pSoundEngine)
        {
            StopBackgroundSounds();
            g_pSoundEngine->PlaySound(m_pContinueSound, FALSE);
        }
        m_bContinue = TRUE;
    }
    m_sprContinue.SetState(pArea == &m_rcContinue ? MRVSPRITE_SHOWN : MRVSPRITE_HIDDEN);
    return TRUE;
}

int CSignInScene::Update()
{
    const DWORD dwNow = Platform::TimeGetTime();
    if (m_bFarewell)
        return UpdateFarewell(dwNow);
    if (m_bContinue)
    {
        // The continue sound is short and not waited for.
        if (LeaveDelayPassed(dwNow))
            m_nExitCode = kExitContinue;
        return m_nExitCode;
    }
    return UpdateGreeting();
}

// The host talks for as long as the farewell voice plays, then rests for the leave delay.
int CSignInScene::UpdateFarewell(DWORD dwNow)
{
    if (g_pSoundEngine && g_pSoundEngine->IsSoundPlaying(m_pFarewellVoice))
    {
        m_aniTalk.Update();
        return 0;
    }
    m_aniTalk.SetFrame(0);
    if (LeaveDelayPassed(dwNow))
        m_nExitCode = kExitFarewell;
    return m_nExitCode;
}

// Before a choice: the host talks with the greeting, and the music keeps rotating.
int CSignInScene::UpdateGreeting()
{
    if (!g_pSoundEngine)
        return 0;
    if (m_pGreeting && g_pSoundEngine->IsSoundPlaying(m_pGreeting))
        m_aniTalk.Update();
    else
        m_aniTalk.SetFrame(0);
    KeepMusicRotating(m_pMusic, g_nSignInLastTrack);
    return 0;
}

BOOL CSignInScene::LeaveDelayPassed(DWORD dwNow)
{
    if (m_dwLeaveDelay == 0)
    {
        m_dwLeaveDelay = SignInLayout::dwLeaveDelayMs;
        m_dwLeaveDeadline = dwNow + SignInLayout::dwLeaveDelayMs;
    }
    return dwNow > m_dwLeaveDeadline;
}
