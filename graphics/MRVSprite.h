// MRVSprite.h: a drawable scene object: up to 256 frames (image and source rectangle), a
// position, a layer, a draw mode, shown or hidden, and the update rectangle that tells the
// scene compositor where the screen must be repainted.
//
// Sprites point to images they do not own. Scenes embed sprites by value and write
// m_nDrawMode, m_bAlwaysDirty, m_bLoop (and m_nAlpha) directly; everything else changes
// through the operations so that every visible change marks the update rectangle.
#pragma once

#include "graphics/MRVRect.h"
#include "platform/WinTypes.h"

#include <cstdint>

class CMRVImage;

// Layer value for CMRVSprite::SetPosition that keeps the current layer (0x80000001).
constexpr LONG MRVSPRITE_KEEP_LAYER = INT32_MIN + 1;
constexpr int MRVSPRITE_MAX_FRAMES = 256;

// Draw modes (m_nDrawMode); any other value draws nothing.
enum : LONG
{
    MRVSPRITE_DRAW_PLAIN = 0,       // the image's own way: raw, colour-keyed or run-coded
    MRVSPRITE_DRAW_NORMAL = 1,      // same as 0 (the mode after construction)
    MRVSPRITE_DRAW_BLEND = 2,       // translucent, m_nAlpha percent
    MRVSPRITE_DRAW_WAVE = 3,        // ripple, relative to the target's top-left corner
    MRVSPRITE_DRAW_COLUMNSHIFT = 4, // per-column vertical offsets
};

// Sprite state: MRVSPRITE_HIDDEN hides, any other value shows (scenes use 0).
enum : LONG
{
    MRVSPRITE_SHOWN = 0,
    MRVSPRITE_HIDDEN = 2,
};

struct MRVSpriteFrame
{
    CMRVImage* pImage; // not owned
    CMRVRect rcSource; // area of pImage this frame shows
};

class CMRVSprite
{
public:
    CMRVSprite();
    // Virtual so that an animation destroyed through a sprite pointer still frees its frames.
    virtual ~CMRVSprite();
    CMRVSprite(const CMRVSprite&) = delete;
    CMRVSprite& operator=(const CMRVSprite&) = delete;

    // Appends a frame showing pRect of pImage (the whole image when pRect is null) and makes
    // the sprite that frame's size. FALSE when the sprite is full or pImage is null. Does not
    // mark the update rectangle.
    BOOL AddFrame(CMRVImage* pImage, const CMRVRect* pRect);

    // Marks the bounds at (x, y) and moves there; sets the layer unless it is
    // MRVSPRITE_KEEP_LAYER. The layer only orders the sprite when a scene adds it.
    void SetPosition(LONG x, LONG y, LONG nLayer);
    // Sets the state and marks the bounds at the current position.
    void SetState(LONG nState);
    // Selects frame nIndex and marks; FALSE (nothing changes) when it is not a frame index.
    BOOL SetFrame(LONG nIndex);
    // Steps one frame forward or back, marking; at the end, wraps only with m_bLoop, else
    // returns FALSE and stays.
    BOOL NextFrame();
    BOOL PrevFrame();

    // The update rectangle; with m_bAlwaysDirty the current bounds are marked first.
    CMRVRect* GetUpdateRect();
    // Replaces the update rectangle (the compositor merges and clears with it).
    void SetUpdateRect(const CMRVRect& rc);

    // Marks the bounds the sprite has at (x, y): an empty (all zero) update rectangle becomes
    // those bounds, any other grows to include them. Then the sprite is at (x, y).
    void MarkDirty(LONG x, LONG y);

    // The image the sprite draws into (the scene's screen image).
    void SetTarget(CMRVImage* pTarget) { m_pTarget = pTarget; }
    CMRVImage* GetTarget() const { return m_pTarget; }

    // The bounds (m_nX, m_nY, m_nX + m_nWidth, m_nY + m_nHeight).
    CMRVRect GetBounds() const;
    BOOL IsHidden() const { return m_nState == MRVSPRITE_HIDDEN; }
    const MRVSpriteFrame& GetFrameEntry(LONG nIndex) const { return m_Frames[nIndex]; }

    // Draws the current frame into m_pTarget, limited to pClip (edges inclusive) when given.
    // Hidden sprites and sprites without frames draw nothing.
    virtual void Draw(const CMRVRect* pClip);

    MRVSpriteFrame m_Frames[MRVSPRITE_MAX_FRAMES];
    CMRVRect m_rcUpdate;
    CMRVImage* m_pTarget;
    LONG m_nX;
    LONG m_nY;
    LONG m_nLayer;
    BOOL m_bAlwaysDirty;
    LONG m_nDrawMode;
    LONG m_nState;
    LONG m_nFrameCount;
    LONG m_nCurrentFrame;
    LONG m_nWidth;
    LONG m_nHeight;
    LONG m_nAlpha;
    BOOL m_bLoop;
};
