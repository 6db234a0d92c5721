// The whole game end to end on each display layout and sound set-up, and with content files
// missing: the same scenes follow each other, the pictures show, and sounds appear in the
// journal only when there is a device to play them.
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

using namespace GameTest;

namespace
{

// Splash, sign-in, wall, back to sign-in by the boot, farewell, credits, ended by a release.
std::string TourScript()
{
    return ScriptSplashToSignIn() + "shot signin.png\n" + ScriptSignInToWall() + "shot wall.png\n" +
           ScriptWallToSignIn() + ScriptSignInToCredits() + "shot credits.png\nrelease left 320 240\nwait 500\n";
}

const std::vector<std::pair<int, std::string>> kTourScenes = {
    {0, "CSPlashScene"}, {1, "CSignInScene"}, {2, "CWallScene"}, {1, "CSignInScene"}, {5, "CCreditsScene"},
};

struct TourCase
{
    const char* pszFormat;
    const char* pszAudio;
    bool bSoundLines;
};

TEST(Playthrough, SameTourOnEveryDisplayLayoutAndSoundSetUp)
{
    const TourCase cases[] = {
        {"565", "device", true}, {"555", "device", true}, {"565", "none", false},
        {"555", "none", false},  {"565", "fail", false},
    };
    const RgbImage wall = ContentPicture("wall/wall.mri");
    const RgbImage credits = ContentPicture("credits.mri");
    ASSERT_FALSE(wall.Empty() || credits.Empty());
    for (const TourCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszFormat) + " display, audio " + c.pszAudio);
        CScratchDir dir;
        RunOptions options;
        options.strFormat = c.pszFormat;
        options.strAudio = c.pszAudio;
        const RunResult run = RunGame(dir, TourScript(), options);
        EXPECT_EQ(run.nStatus, 0) << run.Text();
        EXPECT_EQ(run.Scenes(), kTourScenes) << run.Text();
        ASSERT_FALSE(run.journal.empty());
        EXPECT_EQ(run.journal.back().strLine.substr(run.journal.back().strLine.find(' ')), " quit 0");
        EXPECT_EQ(run.Sounds("play").empty(), !c.bSoundLines) << run.Text();
        EXPECT_EQ(run.Sounds("stop").empty(), !c.bSoundLines) << run.Text();
        std::string strWhy;
        EXPECT_TRUE(ShowsPicture(ReadPng(run.ShotPath("wall.png")), wall, 0, 0, &strWhy)) << strWhy;
        EXPECT_TRUE(ShowsPicture(ReadPng(run.ShotPath("credits.png")), credits, 0, 0, &strWhy)) << strWhy;
    }
}

TEST(MissingContent, AMissingHighlightPictureDrawsNothingAndItsAreaStillWorks)
{
    CScratchDir dir;
    RunOptions options;
    options.strAudio = "none";
    options.strRoot = MakeContentRoot(dir, {"splash/splashbt.mri", "wall/mmbt.mri"});
    const RunResult run = RunGame(dir, "wait 100\n" + Line("move", 500, 400) + "wait 40\nshot splash.png\n" +
                                           Line("click", 500, 400) + "wait 300\n" + ScriptSignInToWall() +
                                           Line("move", 418, 60) + "wait 40\nshot wall.png\n" + ScriptWallToSignIn(),
                                  options);
    const auto scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 4u) << run.Text();
    EXPECT_EQ(scenes[3].first, 1) << run.Text();
    std::string strWhy;
    EXPECT_TRUE(ShowsPicture(ReadPng(run.ShotPath("splash.png")), ContentPicture("splash/splash.mri"), 0, 0, &strWhy))
        << strWhy;
    EXPECT_TRUE(ShowsPicture(ReadPng(run.ShotPath("wall.png")), ContentPicture("wall/wall.mri"), 0, 0, &strWhy))
        << strWhy;
}

TEST(MissingContent, AMissingWholeLoadedSoundStaysSilentAndTheGameGoesOn)
{
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {"signin/cont.mrs", "wall/boot.mrs"});
    const RunResult run =
        RunGame(dir, ScriptSplashToSignIn() + ScriptSignInToWall() + ScriptWallToSignIn() + "wait 100\n", options);
    EXPECT_EQ(run.nStatus, 0) << run.Text();
    const auto scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 4u) << run.Text();
    EXPECT_EQ(scenes[3].first, 1);
    for (const JournalEvent& event : run.journal)
        EXPECT_TRUE(SoundFile(event) != "cont.mrs" && SoundFile(event) != "boot.mrs") << event.strLine;
    EXPECT_NE(run.strTrace.find("Error: Failed to init sound object in CMRVSoundEngine::InitSoundObject"),
              std::string::npos);
}

TEST(MissingContent, AMissingStreamedSoundStaysSilent)
{
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {"signin/hotshot.mrs", "wall/welcome.mrs"});
    const RunResult run = RunGame(dir, ScriptSplashToSignIn() + ScriptSignInToWall() + "wait 300\n", options);
    EXPECT_EQ(run.nStatus, 0) << run.Text();
    const auto scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 3u) << run.Text();
    for (const JournalEvent& event : run.journal)
        EXPECT_TRUE(SoundFile(event) != "hotshot.mrs" && SoundFile(event) != "welcome.mrs") << event.strLine;
    // The music still plays on both screens.
    int nLounge = 0;
    for (const JournalEvent& event : run.Sounds("play"))
        nLounge += SoundFile(event) == "lounge.mrs" ? 1 : 0;
    EXPECT_GE(nLounge, 3) << run.Text();
}

} // namespace
