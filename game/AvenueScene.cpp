// AvenueScene.cpp: Seventh Avenue's loading, its arrows and outfit rules, and its sounds.
#include "game/AvenueScene.h"

#include "game/MusicRotation.h"
#include "game/SceneSupport.h"
#include "game/layout/SceneMusic.h"
#include "platform/Clock.h"
#include "platform/WindowService.h"
#include "sound/MRVSoundEngine.h"

#include <cstdlib>
#include <ctime>

namespace AL = AvenueLayout;

CAvenueScene::CAvenueScene()
    : m_nExitCode(0), m_hPrevCursor(nullptr), m_dwLastArrowStep(0), m_pBootSound(nullptr),
      m_pClickSound(nullptr), m_pFashionVoice(nullptr), m_pMusic(nullptr)
{
    // The program's only seeding: the music rotation of every scene follows the runtime's
    // default sequence until the first visit here.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

CAvenueScene::~CAvenueScene()
{
    StopAndRemoveSounds({m_pBootSound, m_pClickSound, m_pFashionVoice, m_pMusic});
}

CMRVAnimation& CAvenueScene::RowLayer(int nRow)
{
    switch (nRow)
    {
    case AL::ROW_HH:
        return m_aniHh;
    case AL::ROW_FAC:
        return m_aniFac;
    case AL::ROW_TOP:
        return m_aniTop;
    case AL::ROW_DRE:
        return m_aniDre;
    case AL::ROW_BOT:
        return m_aniBot;
    case AL::ROW_ACC:
        return m_aniAcc;
    default:
        return m_aniShoe;
    }
}

void CAvenueScene::Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_hPrevCursor = ShowWaitCursor();

    LoadSceneBackground(m_imgBackground, AL::pszBackground);
    SetBackground(&m_imgBackground, dwRedMask, dwGreenMask, dwBlueMask);

    for (int nRow = 0; nRow < AL::ROW_COUNT; ++nRow)
    {
        RowHighlight& highlight = m_RowHighlights[nRow];
        PrepareSceneImage(highlight.img, AL::aRows[nRow].pszHighlight, m_nPixelFormat, m_dwRedMask,
                          m_dwGreenMask, m_dwBlueMask);
        AddHighlightSprite(*this, highlight.spr, highlight.img, AL::aRows[nRow].ptHighlight,
                           MRVSPRITE_DRAW_PLAIN);
    }

    // The backdrop is recomposed, with every layer over it, at every frame.
    PrepareSceneImage(m_imgBackdrop, AL::pszBackdrop, m_nPixelFormat, m_dwRedMask, m_dwGreenMask,
                      m_dwBlueMask);
    m_sprBackdrop.SetPosition(AL::ptBackdrop.x, AL::ptBackdrop.y, 0);
    m_sprBackdrop.AddFrame(&m_imgBackdrop, nullptr);
    m_sprBackdrop.m_nDrawMode = MRVSPRITE_DRAW_PLAIN;
    m_sprBackdrop.SetState(MRVSPRITE_SHOWN);
    m_sprBackdrop.m_bAlwaysDirty = TRUE;
    AddSprite(&m_sprBackdrop);

    PrepareSceneImage(m_imgExit, AL::pszExit, m_nPixelFormat, m_dwRedMask, m_dwGreenMask, m_dwBlueMask);
    AddHighlightSprite(*this, m_sprExit, m_imgExit, AL::ptExit, MRVSPRITE_DRAW_PLAIN);

    LoadArrow(m_sprLeftArrow, m_imgLeftArrow, AL::apszLeftArrow);
    LoadArrow(m_sprRightArrow, m_imgRightArrow, AL::apszRightArrow);

    SetUpAreas();
    LoadItemLayers(dwRedMask, dwGreenMask, dwBlueMask);
    LoadSounds();

    Platform::SetCursor(m_hPrevCursor);
    m_dwLastArrowStep = 0;
}

void CAvenueScene::LoadArrow(CMRVSprite& sprite, CMRVImage (&images)[AL::nArrowFrames],
                             const char* const (&apszPaths)[AL::nArrowFrames])
{
    for (int i = 0; i < AL::nArrowFrames; ++i)
        PrepareSceneImage(images[i], apszPaths[i], m_nPixelFormat, m_dwRedMask, m_dwGreenMask, m_dwBlueMask);
    // The arrows stay at (0, 0) until the pointer first rests on an arrow area.
    AddArrowSprite(*this, sprite, images, AL::nArrowFrames, LayoutPoint{0, 0});
}

void CAvenueScene::SetUpAreas()
{
    m_rcExit = LayoutToRect(AL::rcExit);
    for (int nRow = 0; nRow < AL::ROW_COUNT; ++nRow)
    {
        m_rcArrows[2 * nRow] = LayoutToRect(AL::aRows[nRow].rcLeftArrow);
        m_rcArrows[2 * nRow + 1] = LayoutToRect(AL::aRows[nRow].rcRightArrow);
    }
    m_Hotspots.Add(&m_rcExit);
    for (CMRVRect& rc : m_rcArrows)
        m_Hotspots.Add(&rc);
}

void CAvenueScene::LoadItemLayers(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    // The draw order puts the dress over the top and the bottom, and the face, hair,
    // accessories and shoes over all of them.
    for (AL::AvenueRowIndex nRow : AL::aLayerDrawOrder)
    {
        const AL::AvenueRow& row = AL::aRows[nRow];
        CMRVAnimation& layer = RowLayer(nRow);
        layer.Load(row.pszItems, dwRedMask, dwGreenMask, dwBlueMask);
        layer.SetPosition(row.ptLayer.x, row.ptLayer.y, 0);
        layer.m_nDrawMode = MRVSPRITE_DRAW_NORMAL;
        layer.m_bLoop = TRUE;
        layer.SetFrame(row.nStartFrame);
        AddSprite(&layer);
    }
    // Every visit starts in separates: top and bottom shown, the dress hidden.
    m_aniBot.SetState(MRVSPRITE_SHOWN);
    m_aniTop.SetState(MRVSPRITE_SHOWN);
    m_aniDre.SetState(MRVSPRITE_HIDDEN);
}

void CAvenueScene::LoadSounds()
{
    if (!g_pSoundEngine)
        return;
    m_pBootSound = g_pSoundEngine->AddSoundObject();
    m_pBootSound->SetFileName(AL::pszBootSound);
    m_pClickSound = g_pSoundEngine->AddSoundObject();
    m_pClickSound->SetFileName(AL::pszClickSound);
    m_pFashionVoice = g_pSoundEngine->AddStreamingSoundObject();
    m_pFashionVoice->SetFileName(AL::pszFashionVoice);
    m_pMusic = g_pSoundEngine->AddStreamingSoundObject();
    m_pMusic->SetFileName(SceneMusic::apszTracks[MUSIC_FIRST_TRACK]);

    g_pSoundEngine->InitStreamingSoundObject(m_pMusic);
    g_pSoundEngine->InitSoundObject(m_pBootSound);
    g_pSoundEngine->InitSoundObject(m_pClickSound);
    g_pSoundEngine->InitStreamingSoundObject(m_pFashionVoice);
    g_pSoundEngine->PlaySound(m_pFashionVoice, TRUE);
    g_pSoundEngine->PlaySound(m_pMusic, TRUE);
}

int CAvenueScene::Update()
{
    if (m_nExitCode)
        return m_nExitCode;
    StepArrowSprites(m_sprLeftArrow, m_sprRightArrow, m_dwLastArrowStep, AL::dwArrowStepMs);
    KeepMusicRotating(m_pMusic, g_nAvenueLastTrack);
    return 0;
}

BOOL CAvenueScene::OnMouse(WPARAM /*wKeys*/, LPARAM lPosition, BOOL bButtonUp)
{
    // Once the ottoman was clicked the scene only waits for the director to end it.
    if (m_nExitCode)
        return FALSE;
    const POINT pt = {LOWORD(lPosition), HIWORD(lPosition)};
    const CMRVRect* pArea = m_Hotspots.HitTest(&pt);

    if (pArea == &m_rcExit && bButtonUp)
    {
        // The fashion voice and the music go on until the scene is destroyed.
        if (g_pSoundEngine)
        {
            g_pSoundEngine->PlaySound(m_pBootSound, FALSE);
            // The game stands still (no drawing, no input) while the boot sound plays.
            Platform::Sleep(AL::dwExitDelayMs);
        }
        m_nExitCode = 1;
    }
    m_sprExit.SetState(pArea == &m_rcExit ? MRVSPRITE_SHOWN : MRVSPRITE_HIDDEN);
    HideArrowsAndHighlights();

    for (int i = 0; i < 2 * AL::ROW_COUNT; ++i)
        if (pArea == &m_rcArrows[i])
            OnArrow(i / 2, i % 2, bButtonUp);
    return TRUE;
}

void CAvenueScene::HideArrowsAndHighlights()
{
    m_sprLeftArrow.SetState(MRVSPRITE_HIDDEN);
    m_sprRightArrow.SetState(MRVSPRITE_HIDDEN);
    for (RowHighlight& highlight : m_RowHighlights)
        highlight.spr.SetState(MRVSPRITE_HIDDEN);
}

void CAvenueScene::OnArrow(int nRow, BOOL bRightArrow, BOOL bButtonUp)
{
    const AL::AvenueRow& row = AL::aRows[nRow];
    CMRVSprite& arrow = bRightArrow ? m_sprRightArrow : m_sprLeftArrow;
    const LayoutPoint ptArrow = bRightArrow ? row.ptRightArrow : row.ptLeftArrow;
    arrow.SetPosition(ptArrow.x, ptArrow.y, 0);
    arrow.SetState(MRVSPRITE_SHOWN);
    m_RowHighlights[nRow].spr.SetState(MRVSPRITE_SHOWN);
    if (!bButtonUp)
        return;

    if (g_pSoundEngine)
        g_pSoundEngine->PlaySound(m_pClickSound, FALSE);
    // The left arrow brings the next item, the right arrow the previous one; the layers
    // loop, so both wrap around.
    CMRVAnimation& layer = RowLayer(nRow);
    if (bRightArrow)
        layer.PrevFrame();
    else
        layer.NextFrame();
    DressForRow(nRow);
}

void CAvenueScene::DressForRow(int nRow)
{
    if (nRow == AL::ROW_TOP || nRow == AL::ROW_BOT)
    {
        m_aniTop.SetState(MRVSPRITE_SHOWN);
        m_aniBot.SetState(MRVSPRITE_SHOWN);
        m_aniDre.SetState(MRVSPRITE_HIDDEN);
    }
    else if (nRow == AL::ROW_DRE)
    {
        m_aniTop.SetState(MRVSPRITE_HIDDEN);
        m_aniBot.SetState(MRVSPRITE_HIDDEN);
        m_aniDre.SetState(MRVSPRITE_SHOWN);
    }
}
