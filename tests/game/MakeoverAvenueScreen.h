// MakeoverAvenueScreen.h: the screen a scene should show, composed from the built content's
// pictures and frame sets (read by the content tests' reader, which works out colour keys and
// run records itself) with the test's own clipping and 5-6-5 to RGB arithmetic, never with the
// engine's drawing or colour code, for exact comparison with the runner's shots; and the checks the makeover
// and Seventh Avenue tests share (the ottoman exit, the music, a visit's sounds, shots after a row of inputs,
// a shown arrow).
#pragma once

#include "game/layout/LayoutTypes.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace GameTest
{

// A 640x480 screen of 5-6-5 pixels, starting as a background picture.
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
    static bool Matches(const std::vector<WORD>& screen, const RgbImage& shot, const LayoutRect& rc,
                        std::string* pWhy, const LayoutRect& rcSkip);

    std::vector<WORD> m_Screen;
};

// The number of frames in a content frame set; 0 when it cannot be read.
int ContentFrameCount(const std::string& strFrameSet);

// A picture's size as a rectangle at pt (right and bottom exclusive); empty when missing.
LayoutRect PictureArea(const std::string& strPicture, LayoutPoint pt);

// Whether the run had no sound engine (the audio device could not be opened), so that its
// journal cannot show sounds.
bool RanWithoutSound(const RunResult& run);

// A content path ('.\content\mmo\x.mri' as the game names it) relative to content/.
std::string ContentRelative(const char* pszGamePath);

// A scene as the journal names it: (state, class).
using SceneId = std::pair<int, std::string>;
// Where the ottoman of both scenes leads.
inline const SceneId kWallScene{2, "CWallScene"};

// Script lines: a short wait, then a shot named strName.
std::string Shot(const std::string& strName);

// The ottoman lies at the same place in both scenes. Runs a fresh game for each way of
// touching it (a left click and a right release on its corners, releases one pixel outside
// its edges, a press alone), waiting dwWaitMs after the input, and checks that the game
// reached the scene through strScriptToScene and went back to the wall only on a release on it.
void ExpectOttomanExits(const std::string& strScriptToScene, const SceneId& scene, unsigned dwWaitMs);

// With a short lounge track, checks that the visit of scene state nState starts its music
// with the lounge track and starts another track, looping, once it has ended.
void ExpectMusicStartsWithLoungeAndRotates(const std::string& strScriptToScene, int nState);

// Checks that the first visit of scene state nState starts with the sounds of expected (the
// last one the ottoman's), that no sound from strFolder (as "\\mmo\\") plays after it, and
// that the game stood still for dwExitDelayMs before the wall came back.
void ExpectVisitSoundsUpToTheExit(const RunResult& run, int nState, const std::vector<std::string>& expected,
                                  const std::string& strFolder, unsigned dwExitDelayMs);

// Whether the shot shows expected with an arrow (any of its three frames, named as the game
// names them) at pt, and expected unchanged around it.
void ExpectArrowShown(const CExpectedScreen& expected, const RgbImage& shot, const char* const* apszFrames,
                      LayoutPoint pt);

// Runs strScriptToScene, then the input of every step (each with a pszName, an strInput and
// what the scene shows after it) followed by strMoveOff and a shot, and checks every shot
// against screenAfter(step). The game must stay in the scene.
template <class Step, size_t N, class ScreenAfter>
void ExpectShotAfterEveryStep(const std::string& strScriptToScene, const std::string& strMoveOff,
                              const Step (&steps)[N], ScreenAfter screenAfter)
{
    std::string strScript = strScriptToScene;
    for (size_t i = 0; i < N; ++i)
        strScript += steps[i].strInput + strMoveOff + Shot("step" + std::to_string(i) + ".png");

    CScratchDir dir;
    const RunResult run = RunGame(dir, strScript);
    ASSERT_EQ(run.Scenes().size(), 4u) << run.Text();
    for (size_t i = 0; i < N; ++i)
    {
        SCOPED_TRACE(steps[i].pszName);
        std::string strWhy;
        EXPECT_TRUE(screenAfter(steps[i]).MatchesShot(
            ReadPng(run.ShotPath("step" + std::to_string(i) + ".png")), &strWhy))
            << strWhy;
    }
}

} // namespace GameTest
