// Scene.h: the base of every screen of the game.
//
// A scene keeps its sprites in a draw list ordered by layer and composes each frame in its
// own 640x480 screen image: a complete frame repaints everything, an incremental frame only
// the regions its sprites have been marked in (moved, shown, hidden, changed frame), and
// copies just those regions to the display surface. Scenes never draw to the surface
// themselves. Depends on assets/MRVImage.h and graphics/ (rectangles, sprites, drawing).
#pragma once

#include "graphics/MRVImage.h"
#include "graphics/MRVRect.h"
#include "platform/WinTypes.h"

class CMRVSprite;

// The most regions an incremental frame keeps apart; more make it repaint the whole screen.
constexpr int SCENE_MAX_DIRTY_RECTS = 100;

// A scene's pixel-format code: the display's layout. Pictures are stored in 5-6-5, so only the
// other two need converting.
enum : int
{
    SCENE_PIXELFORMAT_555 = 0,
    SCENE_PIXELFORMAT_565 = 1,
    SCENE_PIXELFORMAT_OTHER = 2,
};

class CScene
{
public:
    CScene();
    virtual ~CScene();
    CScene(const CScene&) = delete;
    CScene& operator=(const CScene&) = delete;

    // Takes the scene's decoded 640x480 background (owned by the derived scene), converts it
    // to the display's pixel format and makes the screen image from it. Call it first in Load.
    virtual void SetBackground(CMRVImage* pBackground, DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);
    virtual void SetMousePoint(const POINT* pPoint);
    // Composes a frame and copies what changed to a locked 640x480 surface.
    virtual void Draw(WORD* pPixels, LONG nPitch, BOOL bFullRedraw);
    // The exit code: 0 or less while the scene runs, positive once it has finished.
    virtual int Update();
    virtual void Reserved() = 0;
    // keys: MK_ flags; position: x in the low 16 bits, y in the high 16 bits; bButtonUp is
    // TRUE for a button release. The caller ignores the result.
    virtual BOOL OnMouse(WPARAM wKeys, LPARAM lPosition, BOOL bButtonUp);
    virtual void OnKey(WPARAM wVirtualKey, LPARAM lKeyData);

    // Makes the sprite paint into this scene's screen image and puts it in the draw list
    // after every sprite of a lower or equal layer. The sprite stays the caller's. FALSE only
    // for a null sprite or when no memory is left for its list node.
    BOOL AddSprite(CMRVSprite* pSprite);

    int GetPixelFormat() const { return m_nPixelFormat; }
    CMRVImage* GetScreenImage() const { return m_pScreen; }

protected:
    struct SpriteNode
    {
        CMRVSprite* pSprite;
        SpriteNode* pNext;
        SpriteNode* pPrev;
    };

    int m_nPixelFormat; // SCENE_PIXELFORMAT_
    DWORD m_dwRedMask;
    DWORD m_dwGreenMask;
    DWORD m_dwBlueMask;
    SpriteNode* m_pCurrentNode; // cursor of every walk over the draw list
    SpriteNode* m_pFirstNode;
    CMRVRect m_rcDirty[SCENE_MAX_DIRTY_RECTS];
    CMRVImage* m_pBackground; // the derived scene's
    CMRVImage* m_pScreen;     // owned
    CMRVRect m_rcScreen;
    POINT m_ptMouse;

private:
    void InsertNode(SpriteNode* pNode);
    void FreeNodes();
    void RetargetSprites();
    BOOL HasUsableBackground() const;

    void DrawComplete(WORD* pPixels, LONG nPitch);
    void DrawIncremental(WORD* pPixels, LONG nPitch);
    void MergeUpdateRects();
    int CollectDirtyRects();
    void RestoreBackground(int nCount);
    void RepaintSprites(int nCount);
    void ShowDirtyRects(WORD* pPixels, LONG nPitch, int nCount) const;
};
