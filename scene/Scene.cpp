// Scene.cpp: the scene base: background and screen image, the layer-ordered draw list and
// the frame compositor (complete and incremental frames over the sprites' update rectangles).
#include "scene/Scene.h"

#include "graphics/MRVSprite.h"
#include "platform/ScreenFormat.h"

#include <cstring>
#include <new>

namespace
{
constexpr size_t SCREEN_BYTES = size_t(Platform::kScreenWidth) * Platform::kScreenHeight * sizeof(WORD);

// Edges count as inside: rectangles that only touch overlap.
BOOL RectsOverlap(const CMRVRect& a, const CMRVRect& b)
{
    return a.left <= b.right && a.right >= b.left && a.top <= b.bottom && a.bottom >= b.top;
}

// Paints a region of the screen image black (used when there is no background to restore).
void ClearRegion(CMRVImage* pScreen, const CMRVRect& rc)
{
    WORD* pPixels = pScreen->GetPixelWords();
    const int nWidth = rc.right - rc.left;
    if (!pPixels || nWidth <= 0)
        return;
    for (int y = rc.top; y < rc.bottom; ++y)
        std::memset(pPixels + size_t(y) * Platform::kScreenWidth + rc.left, 0, size_t(nWidth) * sizeof(WORD));
}
} // namespace

CScene::CScene()
    : m_nPixelFormat(SCENE_PIXELFORMAT_555), m_dwRedMask(0), m_dwGreenMask(0), m_dwBlueMask(0),
      m_pCurrentNode(nullptr), m_pFirstNode(nullptr), m_rcDirty(), m_pBackground(nullptr), m_pScreen(nullptr),
      m_rcScreen(0, 0, 0, 0), m_ptMouse{0, 0}
{
}

CScene::~CScene()
{
    delete m_pScreen;
    m_pScreen = nullptr;
    FreeNodes();
    m_pBackground = nullptr;
}

void CScene::SetBackground(CMRVImage* pBackground, DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    m_dwRedMask = dwRedMask;
    m_dwGreenMask = dwGreenMask;
    m_dwBlueMask = dwBlueMask;
    if (dwRedMask == Platform::kFormat555.dwRedMask)
        m_nPixelFormat = SCENE_PIXELFORMAT_555;
    else if (dwRedMask == Platform::kFormat565.dwRedMask)
        m_nPixelFormat = SCENE_PIXELFORMAT_565;
    else
        m_nPixelFormat = SCENE_PIXELFORMAT_OTHER;

    // Pictures are stored 5-6-5. A still-compressed background holds no pixels to convert.
    if (pBackground && m_nPixelFormat != SCENE_PIXELFORMAT_565 && !pBackground->IsCompressed())
        pBackground->ConvertPixelFormat(dwRedMask, dwGreenMask, dwBlueMask);
    m_pBackground = pBackground;

    // A second call reuses the screen image the sprites already paint into. Without memory
    // for it the scene draws nothing.
    if (!m_pScreen)
        m_pScreen = new (std::nothrow) CMRVImage;
    if (m_pScreen)
        m_pScreen->Create(Platform::kScreenWidth, Platform::kScreenHeight, FALSE);
    m_rcScreen = CMRVRect(0, 0, Platform::kScreenWidth, Platform::kScreenHeight);
    RetargetSprites();

    if (m_pScreen && HasUsableBackground())
        m_pBackground->CopyTo(m_pScreen);
}

void CScene::SetMousePoint(const POINT* pPoint)
{
    if (!pPoint)
        return;
    m_ptMouse.x = pPoint->x;
    m_ptMouse.y = pPoint->y;
}

int CScene::Update()
{
    return 0;
}

BOOL CScene::OnMouse(WPARAM, LPARAM, BOOL)
{
    return FALSE;
}

void CScene::OnKey(WPARAM, LPARAM) {}

BOOL CScene::AddSprite(CMRVSprite* pSprite)
{
    if (!pSprite)
        return FALSE;
    SpriteNode* pNode = new (std::nothrow) SpriteNode{pSprite, nullptr, nullptr};
    if (!pNode)
        return FALSE;
    pSprite->SetTarget(m_pScreen);
    InsertNode(pNode);
    return TRUE;
}

// Inserts before the first node of a higher layer, so equal layers keep the order of adding.
void CScene::InsertNode(SpriteNode* pNode)
{
    const int nLayer = pNode->pSprite->m_nLayer;
    SpriteNode* pLast = nullptr;
    for (m_pCurrentNode = m_pFirstNode; m_pCurrentNode; m_pCurrentNode = m_pCurrentNode->pNext)
    {
        if (m_pCurrentNode->pSprite->m_nLayer > nLayer)
            break;
        pLast = m_pCurrentNode;
    }

    if (m_pCurrentNode)
    {
        pNode->pNext = m_pCurrentNode;
        pNode->pPrev = m_pCurrentNode->pPrev;
        if (m_pCurrentNode->pPrev)
            m_pCurrentNode->pPrev->pNext = pNode;
        else
            m_pFirstNode = pNode;
        m_pCurrentNode->pPrev = pNode;
        return;
    }
    pNode->pPrev = pLast;
    if (pLast)
        pLast->pNext = pNode;
    else
        m_pFirstNode = pNode;
}

void CScene::FreeNodes()
{
    while (m_pFirstNode)
    {
        m_pCurrentNode = m_pFirstNode;
        m_pFirstNode = m_pFirstNode->pNext;
        delete m_pCurrentNode;
    }
    m_pCurrentNode = nullptr;
}

void CScene::RetargetSprites()
{
    for (m_pCurrentNode = m_pFirstNode; m_pCurrentNode; m_pCurrentNode = m_pCurrentNode->pNext)
        m_pCurrentNode->pSprite->SetTarget(m_pScreen);
}

// The compositor copies from the background row by row over the whole screen, so it must be a
// decoded 640x480 picture with all its pixels.
BOOL CScene::HasUsableBackground() const
{
    return m_pBackground && !m_pBackground->IsCompressed() && m_pBackground->GetPixels() &&
           m_pBackground->GetWidth() == Platform::kScreenWidth &&
           m_pBackground->GetHeight() == Platform::kScreenHeight &&
           m_pBackground->GetBufferSize() >= SCREEN_BYTES;
}

void CScene::Draw(WORD* pPixels, LONG nPitch, BOOL bFullRedraw)
{
    // Nothing to compose before SetBackground has made the screen image.
    if (!m_pScreen || !m_pScreen->GetPixels() || !pPixels)
        return;

    if (!m_pFirstNode)
    {
        if (bFullRedraw)
            m_pScreen->Blit(pPixels, nPitch, 0, 0, 0, 0, Platform::kScreenWidth, Platform::kScreenHeight);
        return;
    }
    if (bFullRedraw)
        DrawComplete(pPixels, nPitch);
    else
        DrawIncremental(pPixels, nPitch);
}

void CScene::DrawComplete(WORD* pPixels, LONG nPitch)
{
    if (HasUsableBackground())
        m_pBackground->CopyTo(m_pScreen);
    else
        ClearRegion(m_pScreen, m_rcScreen);

    for (m_pCurrentNode = m_pFirstNode; m_pCurrentNode; m_pCurrentNode = m_pCurrentNode->pNext)
    {
        CMRVSprite* pSprite = m_pCurrentNode->pSprite;
        CMRVRect rcClip;
        if (rcClip.Intersect(m_rcScreen, *pSprite->GetUpdateRect()))
            pSprite->Draw(&rcClip);
    }
    m_pScreen->CopyToSurface(pPixels, nPitch);
}

void CScene::DrawIncremental(WORD* pPixels, LONG nPitch)
{
    MergeUpdateRects();
    int nCount = CollectDirtyRects();
    if (nCount == 0)
        return;
    if (nCount > SCENE_MAX_DIRTY_RECTS)
    {
        // Too many separate regions to keep: repaint the whole screen as one region.
        m_rcDirty[0] = m_rcScreen;
        nCount = 1;
    }
    RestoreBackground(nCount);
    RepaintSprites(nCount);
    ShowDirtyRects(pPixels, nPitch, nCount);
}

// Folds every update rectangle that overlaps another sprite's into the earlier sprite's (in
// list order), so overlapping regions are restored and repainted once.
void CScene::MergeUpdateRects()
{
    static const CMRVRect rcEmpty(0, 0, 0, 0);
    for (SpriteNode* pNodeA = m_pFirstNode; pNodeA; pNodeA = pNodeA->pNext)
    {
        CMRVSprite* pSpriteA = pNodeA->pSprite;
        CMRVRect rcA = *pSpriteA->GetUpdateRect();
        if (rcA.IsEmpty())
            continue;
        for (m_pCurrentNode = m_pFirstNode; m_pCurrentNode; m_pCurrentNode = m_pCurrentNode->pNext)
        {
            CMRVSprite* pSpriteB = m_pCurrentNode->pSprite;
            if (pSpriteB == pSpriteA)
                continue;
            const CMRVRect rcB = *pSpriteB->GetUpdateRect();
            if (!RectsOverlap(rcA, rcB))
                continue;
            rcA.Union(rcB);
            pSpriteA->SetUpdateRect(rcA);
            pSpriteB->SetUpdateRect(rcEmpty);
        }
    }
}

// Copies the non-empty update rectangles into m_rcDirty; a result above the capacity means
// there were more than it holds (only the first ones were kept).
int CScene::CollectDirtyRects()
{
    int nCount = 0;
    for (m_pCurrentNode = m_pFirstNode; m_pCurrentNode; m_pCurrentNode = m_pCurrentNode->pNext)
    {
        const CMRVRect& rcUpdate = *m_pCurrentNode->pSprite->GetUpdateRect();
        if (rcUpdate.IsEmpty())
            continue;
        if (nCount == SCENE_MAX_DIRTY_RECTS)
            return SCENE_MAX_DIRTY_RECTS + 1;
        m_rcDirty[nCount++] = rcUpdate;
    }
    return nCount;
}

void CScene::RestoreBackground(int nCount)
{
    const BOOL bBackground = HasUsableBackground();
    for (int i = 0; i < nCount; ++i)
    {
        CMRVRect& rc = m_rcDirty[i];
        if (!rc.Intersect(rc, m_rcScreen))
            continue;
        if (bBackground)
            m_pBackground->BlitTo(m_pScreen, rc.left, rc.top, rc.left, rc.top, rc.right - rc.left,
                                  rc.bottom - rc.top);
        else
            ClearRegion(m_pScreen, rc);
    }
}

void CScene::RepaintSprites(int nCount)
{
    for (m_pCurrentNode = m_pFirstNode; m_pCurrentNode; m_pCurrentNode = m_pCurrentNode->pNext)
    {
        CMRVSprite* pSprite = m_pCurrentNode->pSprite;
        if (pSprite->IsHidden())
            continue;
        const CMRVRect rcBox = pSprite->GetBounds();
        for (int i = 0; i < nCount; ++i)
        {
            CMRVRect rcClip;
            if (rcClip.Intersect(m_rcDirty[i], rcBox))
                pSprite->Draw(&rcClip);
        }
    }
}

void CScene::ShowDirtyRects(WORD* pPixels, LONG nPitch, int nCount) const
{
    for (int i = 0; i < nCount; ++i)
    {
        const CMRVRect& rc = m_rcDirty[i];
        m_pScreen->Blit(pPixels, nPitch, rc.left, rc.top, rc.left, rc.top, rc.right - rc.left,
                        rc.bottom - rc.top);
    }
}
