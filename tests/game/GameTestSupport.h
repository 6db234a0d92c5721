// GameTestSupport.h: running the whole game through velvina-headless for the scene tests:
// a script in, the journal, the trace and the PNG shots out; a content root with files left
// out or swapped; and the screen a scene should show, composed from the built content's
// pictures (read by the content tests' reader, which works out colour keys and run records
// itself) with the test's own clipping and 5-6-5 to RGB arithmetic, never with the engine's
// drawing or colour code.
#pragma once

#include "game/layout/AvenueLayout.h"
#include "game/layout/LayoutTypes.h"
#include "platform/WinTypes.h"
#include "tests/content/ContentPictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace GameTest
{

// A fresh directory under the system's temporary folder, removed with the object.
class CScratchDir
{
public:
    CScratchDir();
    ~CScratchDir();
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;
    const std::string& Path() const { return m_strPath; }
    std::string File(const std::string& strName) const { return m_strPath + "/" + strName; }

private:
    std::string m_strPath;
};

// A content path as the game names it ('.\content\mmo\x.mri') relative to content/, '/'
// separated; a path that already is stays as it is.
std::string ContentRelative(const std::string& strPath);

// A content root in dir mirroring the built content by links, without the files listed in
// missing and with each key of replaced taken from the built file named by its value (either
// path form). Returns the root.
std::string MakeContentRoot(const CScratchDir& dir, const std::vector<std::string>& missing,
                            const std::map<std::string, std::string>& replaced = {});

struct JournalEvent
{
    unsigned nTime = 0;
    std::string strKind;             // scene, sound, quit
    std::vector<std::string> fields; // the words after the kind
    std::string strLine;
};

struct RgbImage
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * nWidth + x) * 3]; }
};

// An 8-bit RGB picture of a PNG file; empty when it cannot be read.
RgbImage ReadPng(const std::string& strPath);
// A whole file; empty when it cannot be read.
std::string ReadFile(const std::string& strPath);

struct RunOptions
{
    std::string strFormat = "565";
    std::string strAudio = "device";
    std::string strRoot; // empty: the built content
};

// A scene as the journal names it: (state, class).
using SceneId = std::pair<int, std::string>;

struct RunResult
{
    int nStatus = -1;
    std::vector<JournalEvent> journal;
    std::string strTrace;
    std::string strDir; // where the shots are

    RgbImage Shot(const std::string& strName) const { return ReadPng(strDir + "/" + strName); }
    // Every scene that became current, in order.
    std::vector<SceneId> Scenes() const;
    // The sound events of one action (play, stop, end), in order.
    std::vector<JournalEvent> Sounds(const std::string& strAction) const;
    // Index in journal of the n-th event (0-based) of scene state nState, or -1.
    int SceneIndex(int nState, int nOccurrence = 0) const;
    // The sound events of the n-th visit of scene state nState: what its Load started (logged
    // just before the scene line, at its time), what happened while it was current, and its
    // destructor's stops (logged just before the next scene's Load).
    std::vector<JournalEvent> VisitSounds(int nState, int nOccurrence = 0) const;
    // The whole journal as text, for failure messages.
    std::string Text() const;
};

// Runs the runner with the script in dir; shots land in dir.
RunResult RunGame(const CScratchDir& dir, const std::string& strScript, const RunOptions& options = {});

// The file name of a sound event (the last part of its path, whatever the separator).
std::string SoundFile(const JournalEvent& event);
bool IsSound(const JournalEvent& event, const std::string& strAction, const std::string& strFile);
bool IsMusic(const std::string& strFile);
// The sound events as "play lounge.mrs loop" or "stop cont.mrs", in order, ends left out.
using ActionList = std::vector<std::string>;
ActionList Actions(const std::vector<JournalEvent>& sounds);

// The pictures of a content file (a .mri, or every frame of a .mrm), named either way; empty
// when the file is missing or does not decode. Each file is decoded once per test program.
const std::vector<DecodedPicture>& ContentFrames(const std::string& strPath);

// A 640x480 screen of 5-6-5 pixels, starting as a background picture.
class CExpectedScreen
{
public:
    explicit CExpectedScreen(const std::string& strBackground);

    // Draws frame nFrame of a content picture or frame set at pt the way a sprite draws it
    // (colour key and run coding respected). Missing files draw nothing.
    CExpectedScreen& Draw(const std::string& strPicture, LayoutPoint pt, int nFrame = 0);

    // Whether the shot shows this screen, skipping the pixels inside rcSkip, each channel
    // within nTolerance (a display of another pixel layout rounds colours).
    ::testing::AssertionResult MatchesShot(const RgbImage& shot,
                                           const LayoutRect& rcSkip = LayoutRect{0, 0, 0, 0},
                                           int nTolerance = 0) const;

private:
    std::vector<WORD> m_Screen;
};

// The makeover studio with its face layers at these frames; -1 is hidden.
struct Face
{
    int nEyes = -1;
    int nLips = -1;
    int nGlasses = -1;
    int nHair = 0;
};
CExpectedScreen StudioWith(const Face& face);

// The model's outfit on Seventh Avenue: the item of every row (by AvenueRowIndex; -1 draws
// nothing) and whether the dress is worn instead of the top and the bottom.
struct Outfit
{
    int anItem[AvenueLayout::ROW_COUNT];
    bool bDress;
};
constexpr Outfit kStartOutfit = {{3, 0, 1, 0, 0, 4, 1}, false};
// The street with the model in outfit, and nHighlightRow's highlight (none for -1) and the
// exit highlight in their places under the model.
CExpectedScreen AvenueWith(const Outfit& outfit, int nHighlightRow = -1, bool bExitHighlight = false);

// Whether the shot shows expected with an arrow (any of its three frames, named as the game
// names them) at pt, and expected unchanged around it.
void ExpectArrowShown(const CExpectedScreen& expected, const RgbImage& shot, const char* const* apszFrames,
                      LayoutPoint pt);

// Script lines. Each walk ends once the next scene has had time to load.
std::string Line(const char* pszCommand, int x, int y);
std::string ClickCentre(const LayoutRect& rc);
// A short wait, then a shot named strName.
std::string Shot(const std::string& strName);
std::string ScriptSplashToSignIn();
std::string ScriptSignInToWall();
std::string ScriptWallToSignIn();
std::string ScriptWallToMakeover();
std::string ScriptWallToAvenue();
// A click on row nRow's left or right arrow on Seventh Avenue.
std::string AvenueArrow(int nRow, bool bRight);
// Long enough for the farewell voice and the pause after it.
std::string ScriptSignInToCredits();

// Runs strScript, then the input of every step (each with a pszName, an strInput and what
// the scene shows after it) followed by strMoveOff and a shot, and checks every shot against
// screenAfter(step).
template <class Step, size_t N, class ScreenAfter>
void ExpectShotAfterEveryStep(const std::string& strScript, const std::string& strMoveOff,
                              const Step (&steps)[N], ScreenAfter screenAfter, const RunOptions& options = {})
{
    std::string strAll = strScript;
    for (size_t i = 0; i < N; ++i)
        strAll += steps[i].strInput + strMoveOff + Shot("step" + std::to_string(i) + ".png");
    CScratchDir dir;
    const RunResult run = RunGame(dir, strAll, options);
    for (size_t i = 0; i < N; ++i)
        EXPECT_TRUE(screenAfter(steps[i]).MatchesShot(run.Shot("step" + std::to_string(i) + ".png")))
            << steps[i].pszName << "\n"
            << run.Text();
}

} // namespace GameTest
