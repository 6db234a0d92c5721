// SplashScene.h: the title screen. A full-screen picture with looping music and one button
// area in the lower right; its highlight shows while the pointer is over the area, and a
// button release there moves on to the sign-in screen. Keys do nothing here.
#pragma once

#include "graphics/MRVImage.h"
#include "graphics/MRVRect.h"
#include "graphics/MRVSprite.h"
#include "scene/HotspotList.h"
#include "scene/Scene.h"

class CMRVSoundObject;

class CSPlashScene : public CScene
{
public:
    CSPlashScene();
    ~CSPlashScene() override;

    void Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

    int Update() override;
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override;

private:
    int m_nExitCode;
    CMRVRect m_rcButton;
    CHotspotList m_Hotspots;
    HCURSOR m_hPrevCursor;
    CMRVImage m_imgBackground;
    CMRVImage m_imgButton;
    CMRVSprite m_sprButton;
    CMRVSoundObject* m_pMusic;
};
