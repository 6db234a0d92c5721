// AvenueScene.h: Seventh Avenue, the fashion street. A model is dressed from seven rows of
// items, each row with a left arrow (next item) and a right arrow (previous item); a dress
// replaces the top and the bottom. Hovering over an arrow shows it, animated, with its row's
// highlight; the ottoman leads back to the wall (exit code 1). The constructor seeds the
// runtime's random numbers, the only seeding in the program. Depends on scene/, graphics/,
// sound/ and game/layout/AvenueLayout.h.
#pragma once

#include "game/layout/AvenueLayout.h"
#include "graphics/MRVAnimation.h"
#include "graphics/MRVImage.h"
#include "graphics/MRVRect.h"
#include "graphics/MRVSprite.h"
#include "scene/HotspotList.h"
#include "scene/Scene.h"

class CMRVSoundObject;

class CAvenueScene : public CScene
{
public:
    CAvenueScene();
    ~CAvenueScene() override;

    void Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

    int Update() override;
    void Reserved() override {}
    BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp) override;

private:
    struct RowHighlight
    {
        CMRVImage img;
        CMRVSprite spr;
    };

    // The item layer of a row (AvenueLayout::AvenueRowIndex).
    CMRVAnimation& RowLayer(int nRow);
    void LoadArrow(CMRVSprite& sprite, CMRVImage (&images)[AvenueLayout::nArrowFrames],
                   const char* const (&apszPaths)[AvenueLayout::nArrowFrames]);
    void SetUpAreas();
    void LoadItemLayers(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);
    void LoadSounds();
    void HideArrowsAndHighlights();
    // Shows the arrow of row nRow under the pointer and, on a release, steps the row.
    void OnArrow(int nRow, BOOL bRightArrow, BOOL bButtonUp);
    // Separates (top and bottom) or the dress, after a click in one of those rows.
    void DressForRow(int nRow);

    int m_nExitCode;
    CMRVRect m_rcExit;
    CMRVRect m_rcArrows[2 * AvenueLayout::ROW_COUNT];
    CHotspotList m_Hotspots;
    HCURSOR m_hPrevCursor;
    DWORD m_dwLastArrowStep;
    CMRVImage m_imgBackground;
    RowHighlight m_RowHighlights[AvenueLayout::ROW_COUNT];
    CMRVImage m_imgBackdrop;
    CMRVSprite m_sprBackdrop;
    CMRVImage m_imgExit;
    CMRVSprite m_sprExit;
    CMRVImage m_imgLeftArrow[AvenueLayout::nArrowFrames];
    CMRVSprite m_sprLeftArrow;
    CMRVImage m_imgRightArrow[AvenueLayout::nArrowFrames];
    CMRVSprite m_sprRightArrow;
    CMRVAnimation m_aniHh;
    CMRVAnimation m_aniFac;
    CMRVAnimation m_aniDre;
    CMRVAnimation m_aniTop;
    CMRVAnimation m_aniBot;
    CMRVAnimation m_aniAcc;
    CMRVAnimation m_aniShoe;
    CMRVSoundObject* m_pBootSound;
    CMRVSoundObject* m_pClickSound;
    CMRVSoundObject* m_pFashionVoice;
    CMRVSoundObject* m_pMusic;
};
