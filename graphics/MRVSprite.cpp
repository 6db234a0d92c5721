// MRVSprite.cpp: sprite frames, placement, update-rectangle marking and drawing.
#include "graphics/MRVSprite.h"

#include "graphics/MRVImage.h"

CMRVSprite::CMRVSprite()
    : m_Frames(), m_rcUpdate(), m_pTarget(nullptr), m_nX(0), m_nY(0), m_nLayer(0), m_bAlwaysDirty(FALSE),
      m_nDrawMode(MRVSPRITE_DRAW_NORMAL), m_nState(0), m_nFrameCount(0), m_nCurrentFrame(0), m_nWidth(0),
      m_nHeight(0), m_nAlpha(0), m_bLoop(FALSE)
{
}

CMRVSprite::~CMRVSprite() = default;

BOOL CMRVSprite::AddFrame(CMRVImage* pImage, const CMRVRect* pRect)
{
    if (m_nFrameCount >= MRVSPRITE_MAX_FRAMES || pImage == nullptr)
        return FALSE;
    const CMRVRect rcSource =
        pRect != nullptr ? *pRect : CMRVRect(0, 0, pImage->GetWidth(), pImage->GetHeight());
    m_Frames[m_nFrameCount].pImage = pImage;
    m_Frames[m_nFrameCount].rcSource = rcSource;
    ++m_nFrameCount;
    m_nWidth = rcSource.Width();
    m_nHeight = rcSource.Height();
    return TRUE;
}

void CMRVSprite::MarkDirty(LONG x, LONG y)
{
    const CMRVRect rcBounds(x, y, x + m_nWidth, y + m_nHeight);
    if (m_rcUpdate.IsEmpty())
        m_rcUpdate = rcBounds;
    else
        m_rcUpdate.Union(rcBounds);
    m_nX = x;
    m_nY = y;
}

void CMRVSprite::SetPosition(LONG x, LONG y, LONG nLayer)
{
    MarkDirty(x, y);
    if (nLayer != MRVSPRITE_KEEP_LAYER)
        m_nLayer = nLayer;
}

void CMRVSprite::SetState(LONG nState)
{
    m_nState = nState;
    MarkDirty(m_nX, m_nY);
}

BOOL CMRVSprite::SetFrame(LONG nIndex)
{
    if (nIndex < 0 || nIndex >= m_nFrameCount)
        return FALSE;
    m_nCurrentFrame = nIndex;
    MarkDirty(m_nX, m_nY);
    return TRUE;
}

BOOL CMRVSprite::NextFrame()
{
    if (m_nCurrentFrame + 1 < m_nFrameCount)
        return SetFrame(m_nCurrentFrame + 1);
    return m_bLoop ? SetFrame(0) : FALSE;
}

BOOL CMRVSprite::PrevFrame()
{
    if (m_nCurrentFrame > 0)
        return SetFrame(m_nCurrentFrame - 1);
    return m_bLoop ? SetFrame(m_nFrameCount - 1) : FALSE;
}

CMRVRect* CMRVSprite::GetUpdateRect()
{
    if (m_bAlwaysDirty)
        MarkDirty(m_nX, m_nY);
    return &m_rcUpdate;
}

void CMRVSprite::SetUpdateRect(const CMRVRect& rc)
{
    m_rcUpdate = rc;
}

CMRVRect CMRVSprite::GetBounds() const
{
    return CMRVRect(m_nX, m_nY, m_nX + m_nWidth, m_nY + m_nHeight);
}

void CMRVSprite::Draw(const CMRVRect* pClip)
{
    if (m_nState == MRVSPRITE_HIDDEN || m_nFrameCount == 0 || m_pTarget == nullptr)
        return;
    CMRVRect rcArea = GetBounds();
    if (pClip != nullptr && !rcArea.Intersect(*pClip, rcArea))
        return;
    const MRVSpriteFrame& frame = m_Frames[m_nCurrentFrame];
    const int w = rcArea.Width();
    const int h = rcArea.Height();
    const int sx = frame.rcSource.left + rcArea.left - m_nX;
    const int sy = frame.rcSource.top + rcArea.top - m_nY;
    switch (m_nDrawMode)
    {
    case MRVSPRITE_DRAW_PLAIN:
    case MRVSPRITE_DRAW_NORMAL:
        frame.pImage->BlitTo(m_pTarget, rcArea.left, rcArea.top, sx, sy, w, h);
        break;
    case MRVSPRITE_DRAW_BLEND:
        frame.pImage->BlendTo(m_pTarget, rcArea.left, rcArea.top, sx, sy, w, h, m_nAlpha);
        break;
    case MRVSPRITE_DRAW_WAVE:
        frame.pImage->WaveTo(m_pTarget, rcArea.left, rcArea.top, sx, sy, w, h);
        break;
    case MRVSPRITE_DRAW_COLUMNSHIFT:
        frame.pImage->ColumnShiftTo(m_pTarget, rcArea.left, rcArea.top, sx, sy, w, h);
        break;
    default:
        break;
    }
}
