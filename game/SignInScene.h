// SignInScene.h: the sign-in screen. Two choices in the lower corners: farewell (exit code 1,
// on to the credits) and continue (exit code 2, on to the welcome wall), each with a
// highlight while the pointer is over it. A host talks while a voice plays: the greeting on
// the first visit of a run, the farewell voice after that choice. Music rotates until a
// choice is made; the scene leaves a second after the choice (after the farewell voice).
#pragma once

#include "graphics/MRVAnimation.h"
#include "graphics/MRVImage.h"
#include "graphics/MRVRect.h"
#include "graphics/MRVSprite.h"
#include "scene/HotspotList.h"
#include "scene/Scene.h"

class CMRVSoundObject;

// Set once the greeting has been started; later visits in the same run stay quiet.
extern BOOL g_bGreetingPlayed;

class CSignInScene : public CScene
{
public:
    CSignInScene();
    ~CSignInScene() override;

    void Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

    int Update() override;
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override;

private:
    void LoadSounds();
    // Stops the music and the greeting once the player has chosen.
    void StopBackgroundSounds();
    int UpdateFarewell(DWORD dwNow);
    int UpdateGreeting();
    // Starts the pause before leaving on its first call; TRUE once it has passed.
    BOOL LeaveDelayPassed(DWORD dwNow);

    int m_nExitCode;
    BOOL m_bFarewell;
    BOOL m_bContinue;
    DWORD m_dwLeaveDelay;
    DWORD m_dwLeaveDeadline;
    CMRVRect m_rcFarewell;
    CMRVRect m_rcContinue;
    CHotspotList m_Hotspots;
    HCURSOR m_hPrevCursor;
    CMRVImage m_imgBackground;
    CMRVImage m_imgFarewell;
    CMRVImage m_imgContinue;
    CMRVSprite m_sprFarewell;
    CMRVSprite m_sprContinue;
    CMRVAnimation m_aniTalk;
    CMRVSoundObject* m_pGreeting;
    CMRVSoundObject* m_pFarewellVoice;
    CMRVSoundObject* m_pContinueSound;
    CMRVSoundObject* m_pMusic;
};
