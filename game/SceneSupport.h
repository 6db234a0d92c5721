// SceneSupport.h: what the scenes share: preparing a picture for the display, loading a
// background, turning a layout rectangle into a hot spot, setting up highlight and animated
// arrow sprites, stepping the arrows, and releasing a scene's sounds. Depends on assets/,
// graphics/, scene/, sound/ and the layout tables.
#pragma once

#include "game/layout/LayoutTypes.h"
#include "graphics/MRVImage.h"
#include "graphics/MRVRect.h"
#include "platform/WinTypes.h"

#include <initializer_list>

class CMRVSoundObject;
class CMRVSprite;
class CScene;

// Loads a picture (other than a background) for a scene: decodes it when it is stored
// compressed and converts it to the display's layout unless nPixelFormat is 1 (5-6-5, the
// layout pictures are stored in). A picture that cannot be loaded stays empty (0x0, drawn as
// nothing) and FALSE is returned; the scene goes on without it.
BOOL PrepareSceneImage(CMRVImage& image, const char* pszPath, int nPixelFormat, DWORD dwRedMask,
                       DWORD dwGreenMask, DWORD dwBlueMask);

// Loads a background and decodes it when it is stored compressed; the scene's SetBackground
// converts it. FALSE only when a compressed picture does not decode (a missing file is not
// checked: SetBackground then leaves the screen black).
BOOL LoadSceneBackground(CMRVImage& image, const char* pszPath);

// A hot-spot rectangle from a layout table.
inline CMRVRect LayoutToRect(const LayoutRect& rc)
{
    return CMRVRect(rc.left, rc.top, rc.right, rc.bottom);
}

// Sets up a one-frame highlight sprite showing the whole of image at pt on layer 0, hidden,
// with the given draw mode, and adds it to the scene's draw list.
void AddHighlightSprite(CScene& scene, CMRVSprite& sprite, CMRVImage& image, LayoutPoint pt, LONG nDrawMode);

// Sets up an arrow sprite with the nFrames prepared pictures of pFrames as its frames, at pt
// on layer 0, hidden, drawn with its colour key, and adds it to the scene's draw list.
void AddArrowSprite(CScene& scene, CMRVSprite& sprite, CMRVImage* pFrames, int nFrames, LayoutPoint pt);

// Moves both arrows on by one frame once more than dwStepMs has passed since dwLastStep
// (which it then updates). The arrows have no m_bLoop: after their last frame they start
// over by hand. They step while hidden too, so a shown arrow is always animated.
void StepArrowSprites(CMRVSprite& left, CMRVSprite& right, DWORD& dwLastStep, DWORD dwStepMs);

// Stops every sound of a scene, then removes them all from the sound engine; null entries
// are passed over. Does nothing without a sound engine: at process exit it may already be
// gone, and with it every sound.
void StopAndRemoveSounds(std::initializer_list<CMRVSoundObject*> sounds);

// Shows the system wait cursor while a scene loads; returns the cursor to restore after.
HCURSOR ShowWaitCursor();
