// The title screen end to end: its button area with its edges, the highlight, the keys, and
// the music that starts over when it ends.
#include "game/layout/SplashLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

using namespace GameTest;

namespace
{

const std::pair<int, std::string> kSplash{0, "CSPlashScene"};
const std::pair<int, std::string> kSignIn{1, "CSignInScene"};

struct InputCase
{
    const char* pszName;
    std::string strInput;
    bool bLeaves;
};

TEST(SplashScene, LeavesOnlyOnAReleaseInsideTheButtonArea)
{
    const InputCase cases[] = {
        {"release on the top-left corner", Line("release left", 395, 360), true},
        {"right-button release on the bottom-right corner", Line("release right", 620, 436), true},
        {"press outside, release inside", Line("press left", 10, 10) + Line("release left", 500, 400), true},
        {"press inside, release one pixel right of it", Line("press left", 500, 400) + Line("release left", 621, 436),
         false},
        {"releases one pixel outside each edge",
         Line("release left", 394, 360) + Line("release left", 395, 359) + Line("release left", 620, 437) +
             Line("release left", 621, 400),
         false},
        {"move and press inside", Line("move", 500, 400) + Line("press left", 500, 400), false},
        {"keys", "key VK_RETURN\nkey VK_SPACE\nkey 65\n", false},
    };
    for (const InputCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CScratchDir dir;
        const RunResult run = RunGame(dir, "wait 100\n" + c.strInput + "wait 200\n");
        EXPECT_EQ(run.nStatus, 0) << run.Text();
        std::vector<std::pair<int, std::string>> expected = {kSplash};
        if (c.bLeaves)
            expected.push_back(kSignIn);
        EXPECT_EQ(run.Scenes(), expected) << run.Text();
    }
}

TEST(SplashScene, HighlightShowsOverTheButtonAndHidesOffIt)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, "wait 100\nshot before.png\nmove 500 400\nwait 40\nshot over.png\n"
                                       "move 394 400\nwait 40\nshot off.png\n");
    const RgbImage background = ContentPicture("splash/splash.mri");
    const RgbImage button = ContentPicture("splash/splashbt.mri");
    ASSERT_FALSE(background.Empty());
    ASSERT_FALSE(button.Empty());
    const LayoutPoint pt = SplashLayout::ptButton;
    std::string strWhy;
    EXPECT_TRUE(ShowsPicture(ReadPng(run.ShotPath("before.png")), background, 0, 0, &strWhy)) << strWhy;
    EXPECT_TRUE(ShowsPicture(ReadPng(run.ShotPath("over.png")), button, pt.x, pt.y, &strWhy)) << strWhy;
    EXPECT_TRUE(ShowsPicture(ReadPng(run.ShotPath("off.png")), background, 0, 0, &strWhy)) << strWhy;
}

TEST(SplashScene, MusicStartsWithLoungeAndStartsOverWhenItEnds)
{
    // A short lounge track, so that it ends within the run.
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {}, {{"music/lounge.mrs", "signin/cont.mrs"}});
    const RunResult run = RunGame(dir, "wait 2500\n", options);
    const std::vector<JournalEvent> plays = run.Sounds("play");
    ASSERT_GE(plays.size(), 2u) << run.Text();
    for (const JournalEvent& play : plays)
    {
        EXPECT_TRUE(IsSound(play, "play", "lounge.mrs")) << play.strLine;
        EXPECT_EQ(play.fields.back(), "loop") << play.strLine;
    }
    // Each new start follows the end of the one before, within a tick or two.
    const std::vector<JournalEvent> ends = run.Sounds("end");
    ASSERT_GE(ends.size(), 1u) << run.Text();
    EXPECT_GT(plays[1].nTime, ends[0].nTime - 1) << run.Text();
    EXPECT_LE(plays[1].nTime, ends[0].nTime + 100) << run.Text();
    EXPECT_EQ(run.Scenes().size(), 1u);
}

} // namespace
