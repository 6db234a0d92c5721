// SceneSupport.cpp: picture preparation, highlight and arrow sprites, sound release and the
// wait cursor for the scenes.
#include "game/SceneSupport.h"

#include "graphics/MRVSprite.h"
#include "platform/Clock.h"
#include "platform/WindowService.h"
#include "scene/Scene.h"
#include "sound/MRVSoundEngine.h"

BOOL PrepareSceneImage(CMRVImage& image, const char* pszPath, int nPixelFormat, DWORD dwRedMask,
                       DWORD dwGreenMask, DWORD dwBlueMask)
{
    if (!image.Load(pszPath))
        return FALSE;
    if (image.IsCompressed())
        image.Decompress(nullptr);
    if (nPixelFormat != SCENE_PIXELFORMAT_565)
        image.ConvertPixelFormat(dwRedMask, dwGreenMask, dwBlueMask);
    return TRUE;
}

BOOL LoadSceneBackground(CMRVImage& image, const char* pszPath)
{
    image.Load(pszPath);
    if (image.IsCompressed())
        return image.Decompress(nullptr);
    return TRUE;
}

void AddHighlightSprite(CScene& scene, CMRVSprite& sprite, CMRVImage& image, LayoutPoint pt, LONG nDrawMode)
{
    sprite.SetPosition(pt.x, pt.y, 0);
    sprite.AddFrame(&image, nullptr);
    sprite.m_nDrawMode = nDrawMode;
    sprite.SetState(MRVSPRITE_HIDDEN);
    scene.AddSprite(&sprite);
}

void AddArrowSprite(CScene& scene, CMRVSprite& sprite, CMRVImage* pFrames, int nFrames, LayoutPoint pt)
{
    sprite.SetPosition(pt.x, pt.y, 0);
    for (int i = 0; i < nFrames; ++i)
        sprite.AddFrame(&pFrames[i], nullptr);
    sprite.m_nDrawMode = MRVSPRITE_DRAW_NORMAL;
    sprite.SetState(MRVSPRITE_HIDDEN);
    scene.AddSprite(&sprite);
}

void StepArrowSprites(CMRVSprite& left, CMRVSprite& right, DWORD& dwLastStep, DWORD dwStepMs)
{
    // Compared by unsigned difference so that the arrows keep going when the clock wraps.
    if (Platform::TimeGetTime() - dwLastStep <= dwStepMs)
        return;
    for (CMRVSprite* pArrow : {&left, &right})
        if (!pArrow->NextFrame())
            pArrow->SetFrame(0);
    dwLastStep = Platform::TimeGetTime();
}

void StopAndRemoveSounds(std::initializer_list<CMRVSoundObject*> sounds)
{
    if (!g_pSoundEngine)
        return;
    for (CMRVSoundObject* pSound : sounds)
        if (pSound)
            g_pSoundEngine->StopSound(pSound);
    for (CMRVSoundObject* pSound : sounds)
        if (pSound)
            g_pSoundEngine->RemoveSoundObject(pSound);
}

HCURSOR ShowWaitCursor()
{
    return Platform::SetCursor(Platform::LoadCursor(IDC_WAIT));
}
