// MakeoverScene.cpp: the makeover studio's loading, its picks and arrows, and its sounds.
#include "game/MakeoverScene.h"

#include "game/MusicRotation.h"
#include "game/SceneSupport.h"
#include "game/layout/SceneMusic.h"
#include "platform/Clock.h"
#include "platform/WindowService.h"
#include "sound/MRVSoundEngine.h"

namespace ML = MakeoverLayout;

namespace
{

// Adds a sound object for pszPath and initialises it, streamed from disk or loaded whole.
CMRVSoundObject* AddInitialisedSound(const char* pszPath, BOOL bStreaming)
{
    CMRVSoundObject* pSound =
        bStreaming ? g_pSoundEngine->AddStreamingSoundObject() : g_pSoundEngine->AddSoundObject();
    pSound->SetFileName(pszPath);
    if (bStreaming)
        g_pSoundEngine->InitStreamingSoundObject(pSound);
    else
        g_pSoundEngine->InitSoundObject(pSound);
    return pSound;
}

} // namespace

CMakeoverScene::CMakeoverScene()
    : m_nExitCode(0), m_hPrevCursor(nullptr), m_dwLastArrowStep(0), m_pVoiceOver(nullptr),
      m_pExitSound(nullptr), m_pMusic(nullptr), m_pBeforeSound(nullptr), m_pHairBackSound(nullptr),
      m_pHairForwardSound(nullptr), m_pLipsSound(nullptr), m_pGlassesSound(nullptr), m_pEyesSound(nullptr)
{
}

CMakeoverScene::~CMakeoverScene()
{
    StopAndRemoveSounds({m_pBeforeSound, m_pVoiceOver, m_pExitSound, m_pMusic, m_pHairBackSound,
                         m_pHairForwardSound, m_pLipsSound, m_pGlassesSound, m_pEyesSound});
}

void CMakeoverScene::Load(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_hPrevCursor = ShowWaitCursor();

    LoadSceneBackground(m_imgBackground, ML::pszBackground);
    SetBackground(&m_imgBackground, dwRedMask, dwGreenMask, dwBlueMask);

    PrepareSceneImage(m_imgExit, ML::pszExit, m_nPixelFormat, m_dwRedMask, m_dwGreenMask, m_dwBlueMask);
    AddHighlightSprite(*this, m_sprExit, m_imgExit, ML::ptExit, MRVSPRITE_DRAW_PLAIN);

    SetUpAreas();

    // Added in this order so that hair covers glasses, glasses cover lips, lips cover eyes.
    LoadFaceLayer(m_aniEyes, ML::pszEyes, dwRedMask, dwGreenMask, dwBlueMask);
    LoadFaceLayer(m_aniLips, ML::pszLips, dwRedMask, dwGreenMask, dwBlueMask);
    LoadFaceLayer(m_aniGlasses, ML::pszGlasses, dwRedMask, dwGreenMask, dwBlueMask);
    LoadFaceLayer(m_aniHair, ML::pszHair, dwRedMask, dwGreenMask, dwBlueMask);
    m_aniEyes.SetState(MRVSPRITE_HIDDEN);
    m_aniLips.SetState(MRVSPRITE_HIDDEN);
    m_aniGlasses.SetState(MRVSPRITE_HIDDEN);
    m_aniHair.SetState(MRVSPRITE_SHOWN);
    m_aniHair.m_bLoop = TRUE;
    m_aniHair.SetFrame(0);

    PrepareSceneImage(m_imgBefore, ML::pszBefore, m_nPixelFormat, m_dwRedMask, m_dwGreenMask, m_dwBlueMask);
    AddHighlightSprite(*this, m_sprBefore, m_imgBefore, ML::ptBefore, MRVSPRITE_DRAW_PLAIN);

    LoadArrow(m_sprLeftArrow, m_imgLeftArrow, ML::apszLeftArrow, ML::ptLeftArrow);
    LoadArrow(m_sprRightArrow, m_imgRightArrow, ML::apszRightArrow, ML::ptRightArrow);

    LoadSounds();

    Platform::SetCursor(m_hPrevCursor);
    m_dwLastArrowStep = 0;
}

void CMakeoverScene::SetUpAreas()
{
    m_rcExit = LayoutToRect(ML::rcExit);
    m_rcHairBack = LayoutToRect(ML::rcHairBack);
    m_rcHairForward = LayoutToRect(ML::rcHairForward);
    m_rcBefore = LayoutToRect(ML::rcBefore);
    for (int k = 0; k < ML::nEyeStyles; ++k)
        m_rcEyes[k] = LayoutToRect(ML::arcEyes[k]);
    for (int k = 0; k < ML::nLipStyles; ++k)
        m_rcLips[k] = LayoutToRect(ML::LipArea(k));
    for (int i = 0; i < ML::nGlassesAreas; ++i)
        m_rcGlasses[i] = LayoutToRect(ML::GlassesArea(i));

    // Where areas overlap, the one added first wins.
    m_Hotspots.Add(&m_rcExit);
    m_Hotspots.Add(&m_rcBefore);
    for (CMRVRect& rc : m_rcEyes)
        m_Hotspots.Add(&rc);
    for (CMRVRect& rc : m_rcLips)
        m_Hotspots.Add(&rc);
    for (CMRVRect& rc : m_rcGlasses)
        m_Hotspots.Add(&rc);
    m_Hotspots.Add(&m_rcHairBack);
    m_Hotspots.Add(&m_rcHairForward);
}

void CMakeoverScene::LoadFaceLayer(CMRVAnimation& layer, const char* pszPath, DWORD dwRedMask,
                                   DWORD dwGreenMask, DWORD dwBlueMask)
{
    layer.Load(pszPath, dwRedMask, dwGreenMask, dwBlueMask);
    layer.SetPosition(ML::ptFace.x, ML::ptFace.y, 0);
    layer.m_nDrawMode = MRVSPRITE_DRAW_NORMAL;
    AddSprite(&layer);
}

void CMakeoverScene::LoadArrow(CMRVSprite& sprite, CMRVImage (&images)[ML::nArrowFrames],
                               const char* const (&apszPaths)[ML::nArrowFrames], LayoutPoint pt)
{
    for (int i = 0; i < ML::nArrowFrames; ++i)
        PrepareSceneImage(images[i], apszPaths[i], m_nPixelFormat, m_dwRedMask, m_dwGreenMask, m_dwBlueMask);
    AddArrowSprite(*this, sprite, images, ML::nArrowFrames, pt);
}

void CMakeoverScene::LoadSounds()
{
    if (!g_pSoundEngine)
        return;
    m_pVoiceOver = AddInitialisedSound(ML::pszVoiceOver, TRUE);
    m_pBeforeSound = AddInitialisedSound(ML::pszBeforeSound, FALSE);
    m_pExitSound = AddInitialisedSound(ML::pszExitSound, FALSE);
    m_pMusic = AddInitialisedSound(SceneMusic::apszTracks[MUSIC_FIRST_TRACK], TRUE);
    m_pHairBackSound = AddInitialisedSound(ML::pszHairBackSound, FALSE);
    m_pHairForwardSound = AddInitialisedSound(ML::pszHairForwardSound, FALSE);
    m_pLipsSound = AddInitialisedSound(ML::pszLipsSound, FALSE);
    m_pGlassesSound = AddInitialisedSound(ML::pszGlassesSound, FALSE);
    m_pEyesSound = AddInitialisedSound(ML::pszEyesSound, FALSE);
    g_pSoundEngine->PlaySound(m_pMusic, TRUE);
    g_pSoundEngine->PlaySound(m_pVoiceOver, TRUE);
}

int CMakeoverScene::Update()
{
    if (m_nExitCode)
        return m_nExitCode;
    StepArrowSprites(m_sprLeftArrow, m_sprRightArrow, m_dwLastArrowStep, ML::dwArrowStepMs);
    KeepMusicRotating(m_pMusic, g_nMakeoverLastTrack);
    return 0;
}

int CMakeoverScene::AreaIndex(const CMRVRect* pArea, const CMRVRect* pFirst, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        if (pArea == pFirst + i)
            return i;
    return -1;
}

BOOL CMakeoverScene::OnMouse(WPARAM /*wKeys*/, LPARAM lPosition, BOOL bButtonUp)
{
    // Once the ottoman was clicked the scene only waits for the director to end it.
    if (m_nExitCode)
        return FALSE;
    m_sprLeftArrow.SetState(MRVSPRITE_HIDDEN);
    m_sprRightArrow.SetState(MRVSPRITE_HIDDEN);
    m_sprBefore.SetState(MRVSPRITE_HIDDEN);
    m_sprExit.SetState(MRVSPRITE_HIDDEN);

    const POINT pt = {LOWORD(lPosition), HIWORD(lPosition)};
    const CMRVRect* pArea = m_Hotspots.HitTest(&pt);
    if (!pArea)
        return TRUE;

    int nIndex = -1;
    if (pArea == &m_rcExit)
        OnExit(bButtonUp);
    else if ((nIndex = AreaIndex(pArea, m_rcEyes, ML::nEyeStyles)) >= 0)
    {
        if (bButtonUp)
            OnEyes(nIndex);
    }
    else if ((nIndex = AreaIndex(pArea, m_rcLips, ML::nLipStyles)) >= 0)
    {
        if (bButtonUp)
            OnLips(nIndex);
    }
    else if (pArea == &m_rcHairBack)
        OnHairBack(bButtonUp);
    else if (pArea == &m_rcHairForward)
        OnHairForward(bButtonUp);
    else if (pArea == &m_rcBefore)
        OnBefore(bButtonUp);
    else if ((nIndex = AreaIndex(pArea, m_rcGlasses, ML::nGlassesAreas)) >= 0)
    {
        if (bButtonUp)
            OnGlasses(nIndex);
    }
    return TRUE;
}

void CMakeoverScene::PlayOnce(CMRVSoundObject* pSound)
{
    if (g_pSoundEngine)
        g_pSoundEngine->PlaySound(pSound, FALSE);
}

void CMakeoverScene::OnExit(BOOL bButtonUp)
{
    if (bButtonUp)
    {
        if (g_pSoundEngine)
        {
            g_pSoundEngine->StopSound(m_pMusic);
            g_pSoundEngine->StopSound(m_pVoiceOver);
            g_pSoundEngine->PlaySound(m_pExitSound, FALSE);
            // The game stands still (no drawing, no input) while the ottoman sound plays.
            Platform::Sleep(ML::dwExitDelayMs);
        }
        m_nExitCode = 1;
    }
    m_sprExit.SetState(MRVSPRITE_SHOWN);
}

void CMakeoverScene::OnEyes(int nStyle)
{
    // Eyes and glasses exclude each other.
    m_aniEyes.SetFrame(nStyle);
    m_aniEyes.SetState(MRVSPRITE_SHOWN);
    m_aniGlasses.SetState(MRVSPRITE_HIDDEN);
    PlayOnce(m_pEyesSound);
}

void CMakeoverScene::OnLips(int nStyle)
{
    m_aniLips.SetState(MRVSPRITE_SHOWN);
    m_aniLips.SetFrame(nStyle);
    PlayOnce(m_pLipsSound);
}

void CMakeoverScene::OnHairBack(BOOL bButtonUp)
{
    m_sprLeftArrow.SetState(MRVSPRITE_SHOWN);
    if (!bButtonUp)
        return;
    m_aniHair.PrevFrame();
    PlayOnce(m_pHairBackSound);
}

void CMakeoverScene::OnHairForward(BOOL bButtonUp)
{
    m_sprRightArrow.SetState(MRVSPRITE_SHOWN);
    if (!bButtonUp)
        return;
    m_aniHair.NextFrame();
    PlayOnce(m_pHairForwardSound);
}

void CMakeoverScene::OnBefore(BOOL bButtonUp)
{
    m_sprBefore.SetState(MRVSPRITE_SHOWN);
    if (!bButtonUp)
        return;
    // Only the face goes back to the before look; the music and the voice-over go on.
    PlayOnce(m_pBeforeSound);
    m_aniEyes.SetState(MRVSPRITE_HIDDEN);
    m_aniLips.SetState(MRVSPRITE_HIDDEN);
    m_aniGlasses.SetState(MRVSPRITE_HIDDEN);
    m_aniHair.SetState(MRVSPRITE_SHOWN);
    m_aniHair.SetFrame(0);
}

void CMakeoverScene::OnGlasses(int nArea)
{
    m_aniGlasses.SetFrame(ML::GlassesPairOfArea(nArea));
    m_aniGlasses.SetState(MRVSPRITE_SHOWN);
    m_aniEyes.SetState(MRVSPRITE_HIDDEN);
    PlayOnce(m_pGlassesSound);
}
