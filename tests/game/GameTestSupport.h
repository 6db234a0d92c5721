// GameTestSupport.h: running the whole game through velvina-headless for the scene tests:
// a script in, the journal, the trace and the PNG shots out; a content root with files left
// out or swapped; the content's pictures decoded for comparison with shot pixels.
#pragma once

#include "game/layout/LayoutTypes.h"
#include "platform/WinTypes.h"
#include "tests/content/ContentPictures.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace GameTest
{

// The content root the build made (it holds content/).
std::string BuiltContentRoot();

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

// A content root in dir mirroring the built content by links, without the files listed in
// missing and with each key of replaced (relative to content/, '/' separated) taken from the
// built file named by its value. Returns the root.
std::string MakeContentRoot(const CScratchDir& dir, const std::vector<std::string>& missing,
                            const std::map<std::string, std::string>& replaced = {});

struct JournalEvent
{
    unsigned nTime = 0;
    std::string strKind;             // scene, sound, quit
    std::vector<std::string> fields; // the words after the kind
    std::string strLine;
};

struct RunOptions
{
    std::string strFormat = "565";
    std::string strAudio = "device";
    std::string strRoot; // empty: the built content
    unsigned nMaxMs = 120000;
};

struct RunResult
{
    int nStatus = -1;
    std::vector<JournalEvent> journal;
    std::string strTrace;
    std::string strDir; // where the shots are

    std::string ShotPath(const std::string& strName) const { return strDir + "/" + strName; }
    // The (state, class) of every scene that became current, in order.
    std::vector<std::pair<int, std::string>> Scenes() const;
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

// Runs the runner (VELVINA_HEADLESS in the environment overrides the one built beside the
// tests) with the script in dir; shots land in dir.
RunResult RunGame(const CScratchDir& dir, const std::string& strScript, const RunOptions& options = {});

// The file name of a sound event (the last part of its path, whatever the separator).
std::string SoundFile(const JournalEvent& event);
bool IsSound(const JournalEvent& event, const std::string& strAction, const std::string& strFile);
bool IsMusic(const std::string& strFile);
// A sound event as "play lounge.mrs loop" or "stop cont.mrs".
std::string SoundText(const JournalEvent& event);
// The SoundText of sound events in order, ends left out.
using ActionList = std::vector<std::string>;
ActionList Actions(const std::vector<JournalEvent>& sounds);
// The first nCount Actions of the n-th visit of scene state nState (fewer when the visit has
// fewer), to compare with what the visit should start with.
ActionList FirstActions(const RunResult& run, int nState, int nOccurrence, size_t nCount);

struct RgbImage
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> rgb;
    bool Empty() const { return nWidth == 0 || nHeight == 0; }
    const uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * nWidth + x) * 3]; }
};

RgbImage ReadPng(const std::string& strPath);

// The pictures of a content file (path relative to content/, '/' separated), read by the
// content tests' own reader (the engine only inflates the payload; colour key and run records
// are worked out there): the one of a .mri, every frame of a .mrm; empty when the file is
// missing or does not decode. Each file is decoded once per test program.
const std::vector<DecodedPicture>& ContentFrames(const std::string& strRelative);

// One 5-6-5 pixel as 8-bit red, green and blue, each channel scaled to 0-255 and rounded.
void Rgb565(WORD wPixel, uint8_t* pRgb);

// A content picture converted to 8-bit RGB, every pixel (transparent ones show as black);
// empty for a missing one.
RgbImage ContentPicture(const std::string& strRelative);

// Whether the shot shows picture's area (sx, sy, w, h) at (x, y), each channel within
// nTolerance (the display's own pixel layout rounds colours). The first difference goes to
// pWhy. w or h of -1 take the picture's size.
bool ShowsPicture(const RgbImage& shot, const RgbImage& picture, int x, int y, std::string* pWhy = nullptr,
                  int sx = 0, int sy = 0, int w = -1, int h = -1, int nTolerance = 10);

// Script lines. Each walk ends once the next scene has had time to load.
std::string Line(const char* pszCommand, int x, int y);
std::string ClickCentre(const LayoutRect& rc);
std::string ScriptSplashToSignIn();
std::string ScriptSignInToWall();
std::string ScriptWallToSignIn();
// Long enough for the farewell voice and the pause after it.
std::string ScriptSignInToCredits();

} // namespace GameTest
