// MRVAnimation.h: a sprite that owns its frames, read from a .mrm frame-set file, and can
// step through them by elapsed game time. Catalogues the player pages through are the same
// class, stepped with NextFrame/PrevFrame instead of Update.
#pragma once

#include "graphics/MRVSprite.h"
#include "platform/WinTypes.h"

class CMRVAnimation : public CMRVSprite
{
public:
    CMRVAnimation();
    ~CMRVAnimation() override;

    // Reads the frame set at pszPath, decodes every frame (converting to 5-5-5 when
    // dwRedMask is 0x7C00) and adds them as frames. FALSE when the file cannot be opened, is
    // truncated or malformed, or gives a frame rate of 0; the animation then has no frames.
    // A frame whose payload does not decode is still added and draws nothing. Loading again
    // releases the frames of the earlier load first.
    BOOL Load(const char* pszPath, DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask);

    // Frame period := 1000 / nFramesPerSecond ms (at least 1). A rate below 1 is refused
    // (traced) and leaves the period unchanged.
    void SetFrameRate(int nFramesPerSecond);

    // Steps frames by the game time elapsed since the last step, starting over after the
    // last frame whether or not m_bLoop is set.
    void Update();

    // Frame-set header as read.
    BYTE m_Reserved[4];
    WORD m_nFrameRate;
    WORD m_nFileFrameCount;

    CMRVImage* m_pFrames; // owned, m_nFileFrameCount images
    LONG m_nScratchSize;  // capacity of m_pScratch (only while loading)
    BYTE* m_pScratch;     // owned decode buffer, freed at the end of Load
    DWORD m_dwLastStep;   // game time of the last step, ms
    LONG m_nFramePeriod;  // ms per frame

private:
    void ReleaseFrames();
    void ReleaseScratch();
    BOOL GrowScratch(DWORD dwSize);
};
