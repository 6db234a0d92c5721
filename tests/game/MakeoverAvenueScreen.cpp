// MakeoverAvenueScreen.cpp: expected screens composed from the built content's decoded
// pictures, and the checks the makeover and Seventh Avenue tests share.
#include "tests/game/MakeoverAvenueScreen.h"

#include "platform/ScreenFormat.h"

#include <algorithm>

namespace GameTest
{

namespace
{

constexpr int kWidth = Platform::kScreenWidth;
constexpr int kHeight = Platform::kScreenHeight;

// Puts the opaque pixels of a picture onto the screen with its top-left at pt, clipped to
// the screen.
void Paint(const DecodedPicture& picture, LayoutPoint pt, std::vector<WORD>& screen)
{
    for (int y = std::max(0, -pt.y); y < picture.nHeight && pt.y + y < kHeight; ++y)
        for (int x = std::max(0, -pt.x); x < picture.nWidth && pt.x + x < kWidth; ++x)
            if (picture.IsOpaque(x, y))
                screen[static_cast<size_t>(pt.y + y) * kWidth + pt.x + x] = picture.At(x, y);
}

void PaintFrame(const std::string& strFile, int nFrame, LayoutPoint pt, std::vector<WORD>& screen)
{
    const std::vector<DecodedPicture>& frames = ContentFrames(strFile);
    if (nFrame >= 0 && nFrame < static_cast<int>(frames.size()))
        Paint(frames[static_cast<size_t>(nFrame)], pt, screen);
}

bool Inside(const LayoutRect& rc, int x, int y)
{
    return rc.left <= x && x < rc.right && rc.top <= y && y < rc.bottom;
}

} // namespace

CExpectedScreen::CExpectedScreen(const std::string& strBackground)
    : m_Screen(static_cast<size_t>(kWidth) * kHeight, 0)
{
    PaintFrame(strBackground, 0, LayoutPoint{0, 0}, m_Screen);
}

void CExpectedScreen::DrawPicture(const std::string& strPicture, LayoutPoint pt)
{
    PaintFrame(strPicture, 0, pt, m_Screen);
}

void CExpectedScreen::DrawFrame(const std::string& strFrameSet, int nFrame, LayoutPoint pt)
{
    PaintFrame(strFrameSet, nFrame, pt, m_Screen);
}

bool CExpectedScreen::Matches(const std::vector<WORD>& screen, const RgbImage& shot, const LayoutRect& rc,
                              std::string* pWhy, const LayoutRect& rcSkip)
{
    if (shot.nWidth != kWidth || shot.nHeight != kHeight)
    {
        *pWhy = "no 640x480 shot";
        return false;
    }
    for (int y = std::max(rc.top, 0); y < std::min(rc.bottom, kHeight); ++y)
        for (int x = std::max(rc.left, 0); x < std::min(rc.right, kWidth); ++x)
        {
            if (Inside(rcSkip, x, y))
                continue;
            uint8_t rgb[3];
            Rgb565(screen[static_cast<size_t>(y) * kWidth + x], rgb);
            if (!std::equal(rgb, rgb + 3, shot.At(x, y)))
            {
                *pWhy = "differs at screen (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                return false;
            }
        }
    return true;
}

bool CExpectedScreen::MatchesShot(const RgbImage& shot, const LayoutRect& rc, std::string* pWhy,
                                  const LayoutRect& rcSkip) const
{
    return Matches(m_Screen, shot, rc, pWhy, rcSkip);
}

bool CExpectedScreen::MatchesShot(const RgbImage& shot, std::string* pWhy, const LayoutRect& rcSkip) const
{
    return MatchesShot(shot, LayoutRect{0, 0, kWidth, kHeight}, pWhy, rcSkip);
}

bool CExpectedScreen::MatchesShotWithAnyOf(const RgbImage& shot, const std::string (&astrFrames)[3],
                                           LayoutPoint pt, std::string* pWhy) const
{
    for (const std::string& strFrame : astrFrames)
    {
        std::vector<WORD> screen = m_Screen;
        PaintFrame(strFrame, 0, pt, screen);
        if (Matches(screen, shot, PictureArea(strFrame, pt), pWhy, LayoutRect{0, 0, 0, 0}))
            return true;
    }
    return false;
}

int ContentFrameCount(const std::string& strFrameSet)
{
    return static_cast<int>(ContentFrames(strFrameSet).size());
}

LayoutRect PictureArea(const std::string& strPicture, LayoutPoint pt)
{
    const std::vector<DecodedPicture>& frames = ContentFrames(strPicture);
    if (frames.empty())
        return LayoutRect{pt.x, pt.y, pt.x, pt.y};
    return LayoutRect{pt.x, pt.y, pt.x + frames[0].nWidth, pt.y + frames[0].nHeight};
}

bool RanWithoutSound(const RunResult& run)
{
    return run.strTrace.find("Unable to create Sound Manager") != std::string::npos;
}

std::string ContentRelative(const char* pszGamePath)
{
    std::string strPath = pszGamePath;
    const std::string strPrefix = ".\\content\\";
    if (strPath.compare(0, strPrefix.size(), strPrefix) == 0)
        strPath.erase(0, strPrefix.size());
    std::replace(strPath.begin(), strPath.end(), '\\', '/');
    return strPath;
}

std::string Shot(const std::string& strName)
{
    return "wait 100\nshot " + strName + "\n";
}

void ExpectOttomanExits(const std::string& strScriptToScene, const SceneId& scene, unsigned dwWaitMs)
{
    struct ExitCase
    {
        const char* pszName;
        std::string strInput;
        bool bLeaves;
    };
    const ExitCase cases[] = {
        {"click on the top-left corner", Line("click", 268, 398), true},
        {"right-button release on the bottom-right corner", Line("release right", 344, 479), true},
        {"releases one pixel outside the left, top and right edges",
         Line("release left", 267, 420) + Line("release left", 300, 397) + Line("release left", 345, 420),
         false},
        {"press without a release", Line("press left", 300, 420), false},
    };
    for (const ExitCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CScratchDir dir;
        const RunResult run =
            RunGame(dir, strScriptToScene + c.strInput + "wait " + std::to_string(dwWaitMs) + "\n");
        EXPECT_EQ(run.nStatus, 0) << run.Text();
        const std::vector<SceneId> scenes = run.Scenes();
        ASSERT_GE(scenes.size(), 4u) << run.Text();
        EXPECT_EQ(scenes[3], scene) << run.Text();
        EXPECT_EQ(scenes.size(), c.bLeaves ? 5u : 4u) << run.Text();
        if (c.bLeaves && scenes.size() == 5)
        {
            EXPECT_EQ(scenes[4], kWallScene);
        }
    }
}

void ExpectMusicStartsWithLoungeAndRotates(const std::string& strScriptToScene, int nState)
{
    // A short lounge track, so that it ends within the visit.
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {}, {{"music/lounge.mrs", "signin/cont.mrs"}});
    const RunResult run = RunGame(dir, strScriptToScene + "wait 4000\n", options);
    if (RanWithoutSound(run))
        GTEST_SKIP() << "the runner has no sound engine";
    std::vector<JournalEvent> music;
    for (const JournalEvent& event : run.VisitSounds(nState))
        if (event.fields[0] == "play" && IsMusic(SoundFile(event)))
            music.push_back(event);
    ASSERT_GE(music.size(), 2u) << run.Text();
    EXPECT_TRUE(IsSound(music[0], "play", "lounge.mrs")) << run.Text();
    for (const JournalEvent& play : music)
        EXPECT_EQ(play.fields.back(), "loop") << play.strLine;
}

void ExpectVisitSoundsUpToTheExit(const RunResult& run, int nState, const std::vector<std::string>& expected,
                                  const std::string& strFolder, unsigned dwExitDelayMs)
{
    std::vector<JournalEvent> visit;
    for (const JournalEvent& event : run.VisitSounds(nState))
        if (event.fields[0] != "end")
            visit.push_back(event);
    ASSERT_GE(visit.size(), expected.size()) << run.Text();
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(SoundText(visit[i]), expected[i]) << run.Text();
    // Input after the ottoman's click is ignored: none of the scene's own sounds plays any more.
    for (size_t i = expected.size(); i < visit.size(); ++i)
        EXPECT_FALSE(visit[i].fields[0] == "play" && visit[i].fields[1].find(strFolder) != std::string::npos)
            << visit[i].strLine;
    // The game stands still while the ottoman's sound plays.
    const int nBack = run.SceneIndex(kWallScene.first, 1);
    ASSERT_GE(nBack, 0) << run.Text();
    EXPECT_GE(run.journal[nBack].nTime, visit[expected.size() - 1].nTime + dwExitDelayMs) << run.Text();
}

void ExpectArrowShown(const CExpectedScreen& expected, const RgbImage& shot, const char* const* apszFrames,
                      LayoutPoint pt)
{
    const std::string astrFrames[3] = {ContentRelative(apszFrames[0]), ContentRelative(apszFrames[1]),
                                       ContentRelative(apszFrames[2])};
    std::string strWhy;
    EXPECT_TRUE(expected.MatchesShot(shot, &strWhy, PictureArea(astrFrames[0], pt))) << strWhy;
    EXPECT_TRUE(expected.MatchesShotWithAnyOf(shot, astrFrames, pt, &strWhy)) << strWhy;
}

} // namespace GameTest
