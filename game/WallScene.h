// WallScene.h: the welcome wall, the hub of the game. Three areas, each with a highlight
// while the pointer is over it: the avenue sign (exit code 1), the makeover sign (exit code 2)
// and the boot (exit code 3, back to the sign-in screen, after its sound). The welcome plays
// on the first visit of a run and the welcome-back on every later one; music rotates.
#pragma once

#include "graphics/MRVImage.h"
#include "graphics/MRVRect.h"
#include "graphics/MRVSprite.h"
#include "scene/HotspotList.h"
#include "scene/Scene.h"

class CMRVSoundObject;

// Set once the welcome has been started; later visits in the same run play the welcome-back.
extern BOOL g_bWelcomePlayed;

class CWallScene : public CScene
{
public:
    CWallScene();
    ~CWallScene() override;

    void Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

    int Update() override;
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override;

private:
    void LoadSounds();
    // Stops the voices and the music, plays the boot sound and lets it sound before leaving.
    void PlayBootExit();

    int m_nExitCode;
    CMRVRect m_rcBoot;
    CMRVRect m_rcMakeover;
    CMRVRect m_rcAvenue;
    CHotspotList m_Hotspots;
    HCURSOR m_hPrevCursor;
    CMRVImage m_imgBackground;
    CMRVImage m_imgBoot;
    CMRVSprite m_sprBoot;
    CMRVImage m_imgMakeover;
    CMRVSprite m_sprMakeover;
    CMRVImage m_imgAvenue;
    CMRVSprite m_sprAvenue;
    CMRVSoundObject* m_pWelcomeBack;
    CMRVSoundObject* m_pMusic;
    CMRVSoundObject* m_pWelcome;
    CMRVSoundObject* m_pBootSound;
};
