// MakeoverAvenueScreen.cpp: expected screens drawn from the built content, and the checks
// the makeover and Seventh Avenue tests share.
#include "tests/game/MakeoverAvenueScreen.h"

#include "graphics/MRVAnimation.h"
#include "platform/headless/HeadlessDisplay.h"
#include "platform/ScreenFormat.h"

#include <algorithm>
#include <memory>

namespace GameTest
{

namespace
{

constexpr DWORD kRed565 = 0xF800;
constexpr DWORD kGreen565 = 0x07E0;
constexpr DWORD kBlue565 = 0x001F;

std::string ContentPath(const std::string& strRelative)
{
    return BuiltContentRoot() + "/content/" + strRelative;
}

// A content picture loaded and decoded; empty when the file is missing or bad.
std::unique_ptr<CMRVImage> LoadPicture(const std::string& strPicture)
{
    auto pImage = std::make_unique<CMRVImage>();
    if (pImage->Load(ContentPath(strPicture).c_str()) && pImage->IsCompressed())
        pImage->Decompress(nullptr);
    return pImage;
}

std::unique_ptr<CMRVAnimation> LoadFrameSet(const std::string& strFrameSet)
{
    auto pFrames = std::make_unique<CMRVAnimation>();
    pFrames->Load(ContentPath(strFrameSet).c_str(), kRed565, kGreen565, kBlue565);
    return pFrames;
}

void DrawImage(const CMRVImage& image, CMRVImage& screen, LayoutPoint pt)
{
    image.BlitTo(&screen, pt.x, pt.y, 0, 0, image.GetWidth(), image.GetHeight());
}

bool Inside(const LayoutRect& rc, int x, int y)
{
    return rc.left <= x && x < rc.right && rc.top <= y && y < rc.bottom;
}

} // namespace

CExpectedScreen::CExpectedScreen(const std::string& strBackground) : m_pScreen(std::make_unique<CMRVImage>())
{
    m_pScreen->Create(Platform::kScreenWidth, Platform::kScreenHeight, FALSE);
    std::unique_ptr<CMRVImage> pBackground = LoadPicture(strBackground);
    DrawImage(*pBackground, *m_pScreen, LayoutPoint{0, 0});
}

void CExpectedScreen::DrawPicture(const std::string& strPicture, LayoutPoint pt)
{
    DrawImage(*LoadPicture(strPicture), *m_pScreen, pt);
}

void CExpectedScreen::DrawFrame(const std::string& strFrameSet, int nFrame, LayoutPoint pt)
{
    std::unique_ptr<CMRVAnimation> pFrames = LoadFrameSet(strFrameSet);
    if (nFrame >= 0 && nFrame < pFrames->m_nFrameCount)
        DrawImage(*pFrames->GetFrameEntry(nFrame).pImage, *m_pScreen, pt);
}

bool CExpectedScreen::Matches(const CMRVImage& screen, const RgbImage& shot, const LayoutRect& rc,
                              std::string* pWhy, const LayoutRect& rcSkip)
{
    if (shot.nWidth != Platform::kScreenWidth || shot.nHeight != Platform::kScreenHeight)
    {
        *pWhy = "no 640x480 shot";
        return false;
    }
    const Platform::DisplayPixelFormat format = Platform::kFormat565;
    const WORD* pPixels = screen.GetPixelWords();
    for (int y = std::max(rc.top, 0); y < std::min(rc.bottom, Platform::kScreenHeight); ++y)
        for (int x = std::max(rc.left, 0); x < std::min(rc.right, Platform::kScreenWidth); ++x)
        {
            if (Inside(rcSkip, x, y))
                continue;
            BYTE rgb[3];
            Platform::PixelToRgb(pPixels[y * Platform::kScreenWidth + x], format, rgb);
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
    return Matches(*m_pScreen, shot, rc, pWhy, rcSkip);
}

bool CExpectedScreen::MatchesShot(const RgbImage& shot, std::string* pWhy, const LayoutRect& rcSkip) const
{
    return MatchesShot(shot, LayoutRect{0, 0, Platform::kScreenWidth, Platform::kScreenHeight}, pWhy, rcSkip);
}

bool CExpectedScreen::MatchesShotWithAnyOf(const RgbImage& shot, const std::string (&astrFrames)[3],
                                           LayoutPoint pt, std::string* pWhy) const
{
    for (const std::string& strFrame : astrFrames)
    {
        CMRVImage screen;
        screen.Create(Platform::kScreenWidth, Platform::kScreenHeight, FALSE);
        DrawImage(*m_pScreen, screen, LayoutPoint{0, 0});
        DrawImage(*LoadPicture(strFrame), screen, pt);
        if (Matches(screen, shot, PictureArea(strFrame, pt), pWhy, LayoutRect{0, 0, 0, 0}))
            return true;
    }
    return false;
}

int ContentFrameCount(const std::string& strFrameSet)
{
    return LoadFrameSet(strFrameSet)->m_nFrameCount;
}

LayoutRect PictureArea(const std::string& strPicture, LayoutPoint pt)
{
    std::unique_ptr<CMRVImage> pImage = LoadPicture(strPicture);
    return LayoutRect{pt.x, pt.y, pt.x + pImage->GetWidth(), pt.y + pImage->GetHeight()};
}

bool RanWithoutSound(const RunResult& run)
{
    return run.strTrace.find("Unable to create Sound Manager") != std::string::npos;
}

std::vector<JournalEvent> VisitSounds(const RunResult& run, int nState, int nOccurrence)
{
    const int nScene = run.SceneIndex(nState, nOccurrence);
    if (nScene < 0)
        return {};
    int nStart = nScene;
    while (nStart > 0 && run.journal[nStart - 1].strKind != "scene")
        --nStart;
    // The previous scene's destructor stops come first; the visit begins with its first play.
    while (nStart < nScene &&
           !(run.journal[nStart].strKind == "sound" && run.journal[nStart].fields[0] == "play"))
        ++nStart;
    std::vector<JournalEvent> sounds;
    for (size_t i = nStart; i < run.journal.size(); ++i)
    {
        const JournalEvent& event = run.journal[i];
        if (event.strKind == "scene" && static_cast<int>(i) > nScene)
            break;
        if (event.strKind == "sound" && event.fields.size() >= 2 && event.fields[0] != "end")
            sounds.push_back(event);
    }
    return sounds;
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

std::string ClickCentre(const LayoutRect& rc)
{
    return Line("click", (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
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
    for (const JournalEvent& event : VisitSounds(run, nState))
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
    const std::vector<JournalEvent> visit = VisitSounds(run, nState, 0);
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
