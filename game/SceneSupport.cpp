// SceneSupport.cpp: picture preparation, highlight sprites and the wait cursor for the scenes.
#include "game/SceneSupport.h"

#include "graphics/MRVSprite.h"
#include "platform/Window.h"
#include "scene/Scene.h"

namespace
{
// Pictures are stored in the 5-6-5 layout; only other displays need a conversion.
constexpr int kPixelFormat565 = 1;
} // namespace

BOOL PrepareSceneImage(CMRVImage& image, const char* pszPath, int nPixelFormat, DWORD dwRedMask,
                       DWORD dwGreenMask, DWORD dwBlueMask)
{
    if (!image.Load(pszPath))
        return FALSE;
    if (image.IsCompressed())
        image.Decompress(nullptr);
    if (nPixelFormat != kPixelFormat565)
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

HCURSOR ShowWaitCursor()
{
    return Platform::SetCursor(Platform::LoadCursor(IDC_WAIT));
}
