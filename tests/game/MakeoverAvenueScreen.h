// MakeoverAvenueScreen.h: the screen a scene should show, built from the built content's
// pictures and frame sets with the engine's own drawing, for exact comparison with the
// runner's shots. Used by the makeover and Seventh Avenue tests. Depends on assets/,
// graphics/ and the headless display's pixel conversion.
#pragma once

#include "assets/MRVImage.h"
#include "game/layout/LayoutTypes.h"
#include "tests/game/GameTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace GameTest
{

// A 640x480 screen in the 5-6-5 layout, starting as a background picture.
class CExpectedScreen
{
public:
    // strBackground: a content picture, relative to content/ ('/' separated).
    explicit CExpectedScreen(const std::string& strBackground);

    // Draws a content picture, or frame nFrame of a content frame set, at pt the way a
    // sprite draws it (colour key and run coding respected). Missing files draw nothing.
    void DrawPicture(const std::string& strPicture, LayoutPoint pt);
    void DrawFrame(const std::string& strFrameSet, int nFrame, LayoutPoint pt);

    // Whether the shot shows this screen exactly within rc (edges exclusive on the right and
    // bottom), skipping the pixels inside rcSkip; the first difference goes to pWhy.
    bool MatchesShot(const RgbImage& shot, const LayoutRect& rc, std::string* pWhy,
                     const LayoutRect& rcSkip = LayoutRect{0, 0, 0, 0}) const;
    // The same over the whole screen.
    bool MatchesShot(const RgbImage& shot, std::string* pWhy,
                     const LayoutRect& rcSkip = LayoutRect{0, 0, 0, 0}) const;
    // Whether the shot shows, within the area of the pictures at pt, this screen with one of
    // the pictures drawn over it (an animated arrow, whose frame depends on the moment).
    bool MatchesShotWithAnyOf(const RgbImage& shot, const std::string (&astrFrames)[3], LayoutPoint pt,
                              std::string* pWhy) const;

private:
    static bool Matches(const CMRVImage& screen, const RgbImage& shot, const LayoutRect& rc,
                        std::string* pWhy, const LayoutRect& rcSkip);

    std::unique_ptr<CMRVImage> m_pScreen;
};

// The number of frames in a content frame set; 0 when it cannot be read.
int ContentFrameCount(const std::string& strFrameSet);

// A picture's size as a rectangle at pt (right and bottom exclusive); empty when missing.
LayoutRect PictureArea(const std::string& strPicture, LayoutPoint pt);

// Whether the run had no sound engine (the audio device could not be opened), so that its
// journal cannot show sounds.
bool RanWithoutSound(const RunResult& run);

// The play and stop events from the Load of the nOccurrence-th visit of scene nState (a scene
// plays its first sounds before the journal names it) up to the next scene's line: the
// visit's own sounds, then those of the next scene's Load.
std::vector<JournalEvent> VisitSounds(const RunResult& run, int nState, int nOccurrence = 0);

// An event as "play lounge.mrs loop" or "stop mmovo.mrs".
std::string SoundText(const JournalEvent& event);

// A content path ('.\content\mmo\x.mri' as the game names it) relative to content/.
std::string ContentRelative(const char* pszGamePath);

} // namespace GameTest
