// MakeoverScene.h: the makeover studio. Eye styles, lip styles and glasses are picked by
// clicking their swatches, hairstyles are flipped with two animated arrows, the before picture
// resets the face and the ottoman leads back to the wall (exit code 1). The face is four
// layers at one place: eyes, lips, glasses, then hair on top. A voice-over greets the player
// and the music rotates. Depends on scene/, graphics/, sound/ and game/layout/MakeoverLayout.h.
#pragma once

#include "game/layout/MakeoverLayout.h"
#include "graphics/MRVAnimation.h"
#include "graphics/MRVImage.h"
#include "graphics/MRVRect.h"
#include "graphics/MRVSprite.h"
#include "scene/HotspotList.h"
#include "scene/Scene.h"

class CMRVSoundObject;

class CMakeoverScene : public CScene
{
public:
    CMakeoverScene();
    ~CMakeoverScene() override;

    void Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

    int Update() override;
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override;

private:
    void SetUpAreas();
    void LoadFaceLayer(CMRVAnimation& layer, const char* pszPath, DWORD dwRedMask, DWORD dwGreenMask,
                       DWORD dwBlueMask);
    void LoadArrow(CMRVSprite& sprite, CMRVImage (&images)[MakeoverLayout::nArrowFrames],
                   const char* const (&apszPaths)[MakeoverLayout::nArrowFrames], LayoutPoint pt);
    void LoadSounds();

    // Handlers of the areas; each is given the index of the area within its group.
    void OnExit(BOOL bButtonUp);
    void OnEyes(int nStyle);
    void OnLips(int nStyle);
    void OnHairBack(BOOL bButtonUp);
    void OnHairForward(BOOL bButtonUp);
    void OnBefore(BOOL bButtonUp);
    void OnGlasses(int nArea);
    void PlayOnce(CMRVSoundObject* pSound);
    // The index of pArea within the array of nCount rectangles starting at pFirst, or -1.
    static int AreaIndex(const CMRVRect* pArea, const CMRVRect* pFirst, int nCount);

    int m_nExitCode;
    CMRVRect m_rcExit;
    CMRVRect m_rcEyes[MakeoverLayout::nEyeStyles];
    CMRVRect m_rcLips[MakeoverLayout::nLipStyles];
    CMRVRect m_rcGlasses[MakeoverLayout::nGlassesAreas];
    CMRVRect m_rcHairBack;
    CMRVRect m_rcHairForward;
    CMRVRect m_rcBefore;
    CHotspotList m_Hotspots;
    HCURSOR m_hPrevCursor;
    DWORD m_dwLastArrowStep;
    CMRVImage m_imgBackground;
    CMRVImage m_imgExit;
    CMRVSprite m_sprExit;
    CMRVImage m_imgBefore;
    CMRVSprite m_sprBefore;
    CMRVImage m_imgLeftArrow[MakeoverLayout::nArrowFrames];
    CMRVSprite m_sprLeftArrow;
    CMRVImage m_imgRightArrow[MakeoverLayout::nArrowFrames];
    CMRVSprite m_sprRightArrow;
    CMRVAnimation m_aniEyes;
    CMRVAnimation m_aniGlasses;
    CMRVAnimation m_aniHair;
    CMRVAnimation m_aniLips;
    CMRVSoundObject* m_pVoiceOver;
    CMRVSoundObject* m_pExitSound;
    CMRVSoundObject* m_pMusic;
    CMRVSoundObject* m_pBeforeSound;
    CMRVSoundObject* m_pHairBackSound;
    CMRVSoundObject* m_pHairForwardSound;
    CMRVSoundObject* m_pLipsSound;
    CMRVSoundObject* m_pGlassesSound;
    CMRVSoundObject* m_pEyesSound;
};
