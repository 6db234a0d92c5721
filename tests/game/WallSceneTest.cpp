// The welcome wall end to end: its three exits with their edges and next scenes, the boot's
// sound and pause, the highlights, the welcome and welcome-back voices and the music.
#include "game/layout/WallLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

using namespace GameTest;

namespace
{

constexpr int kSignIn = 1;
constexpr int kWall = 2;

std::string ToWall()
{
    return ScriptSplashToSignIn() + ScriptSignInToWall();
}

RunOptions Silent()
{
    RunOptions options;
    options.strAudio = "none";
    return options;
}

struct ExitCase
{
    const char* pszName;
    std::string strInput;
    int nNextState; // 0: stays
    const char* pszNextClass;
};

// Runs the cases; each starts on the wall and ends with the next scene (if any) loaded.
void ExpectExits(const std::vector<ExitCase>& cases)
{
    for (const ExitCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CScratchDir dir;
        const RunResult run = RunGame(dir, ToWall() + c.strInput + "wait 300\n", Silent());
        const auto scenes = run.Scenes();
        ASSERT_GE(scenes.size(), 3u) << run.Text();
        ASSERT_EQ(scenes[2].first, kWall) << run.Text();
        if (c.nNextState)
        {
            ASSERT_EQ(scenes.size(), 4u) << run.Text();
            EXPECT_EQ(scenes[3], std::make_pair(c.nNextState, std::string(c.pszNextClass))) << run.Text();
        }
        else
        {
            EXPECT_EQ(scenes.size(), 3u) << run.Text();
        }
    }
}

TEST(WallScene, BootLeadsBackToSignInFromInsideItsAreaOnly)
{
    ExpectExits({
        {"top-left corner", Line("release left", 308, 373), kSignIn, "CSignInScene"},
        {"bottom-right corner, right button", Line("release right", 405, 477), kSignIn, "CSignInScene"},
        {"one pixel outside", Line("release left", 307, 373) + Line("release left", 405, 478), 0, ""},
        {"outside every area, moves, presses and keys",
         Line("release left", 320, 240) + Line("move", 350, 400) + Line("press left", 350, 400) + "key VK_ESCAPE\n", 0,
         ""},
    });
}

TEST(WallScene, SignsLeadToMakeoverAndAvenue)
{
    ExpectExits({
        {"makeover, top-left corner", Line("release left", 374, 37), 4, "CMakeoverScene"},
        {"makeover, bottom-right corner", Line("release left", 462, 86), 4, "CMakeoverScene"},
        {"avenue, top-left corner", Line("release left", 130, 38), 3, "CAvenueScene"},
        {"avenue, bottom-right corner", Line("release right", 220, 86), 3, "CAvenueScene"},
        {"one pixel outside the signs",
         Line("release left", 373, 37) + Line("release left", 462, 87) + Line("release left", 129, 38) +
             Line("release left", 221, 86),
         0, ""},
    });
}

TEST(WallScene, MouseEventsAfterAClickAreIgnored)
{
    // The release on the makeover sign arrives in the same instant as the boot click, before
    // the scene has been left: the boot's choice must stand.
    CScratchDir dir;
    const RunResult run = RunGame(dir, ToWall() + Line("click", 350, 420) + Line("click", 418, 60) + "wait 1500\n");
    const auto scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 4u) << run.Text();
    EXPECT_EQ(scenes[3].first, kSignIn) << run.Text();
}

TEST(WallScene, BootStopsTheSoundsPlaysItsOwnAndHoldsTheGameASecond)
{
    CScratchDir dir;
    // On the wall by 1900 ms; the boot is clicked at 2400.
    const RunResult run = RunGame(dir, ToWall() + "wait 500\n" + Line("click", 350, 420) + "wait 1500\n");
    const int nBack = run.SceneIndex(kSignIn, 1);
    ASSERT_GE(nBack, 0) << run.Text();
    const std::vector<std::string> expected = {"play welcome.mrs loop", "play lounge.mrs loop", "stop welcome.mrs",
                                               "stop lounge.mrs", "play boot.mrs once"};
    EXPECT_EQ(Actions(run.VisitSounds(kWall)), expected) << run.Text();
    EXPECT_GE(run.journal[nBack].nTime, 2400u + 1000u) << run.Text();
    EXPECT_LE(run.journal[nBack].nTime, 2400u + 1000u + 100u) << run.Text();
}

TEST(WallScene, WithoutSoundTheBootLeavesAtOnce)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ToWall() + "wait 500\n" + Line("click", 350, 420) + "wait 500\n", Silent());
    const int nBack = run.SceneIndex(kSignIn, 1);
    ASSERT_GE(nBack, 0) << run.Text();
    EXPECT_LE(run.journal[nBack].nTime, 2400u + 70u) << run.Text();
}

TEST(WallScene, HighlightsFollowThePointerFromAreaToArea)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ToWall() + Line("move", 350, 420) + "wait 40\nshot boot.png\n" +
                                           Line("move", 418, 60) + "wait 40\nshot makeover.png\n" +
                                           Line("move", 175, 60) + "wait 40\nshot avenue.png\n" +
                                           Line("move", 320, 240) + "wait 40\nshot none.png\n");
    struct Highlight
    {
        const char* pszShot;
        const char* pszPicture;
        LayoutPoint pt;
    };
    const Highlight highlights[] = {
        {"boot.png", "wall/boot.mri", WallLayout::ptBoot},
        {"makeover.png", "wall/mmbt.mri", WallLayout::ptMakeover},
        {"avenue.png", "wall/7thave.mri", WallLayout::ptAvenue},
    };
    const RgbImage background = ContentPicture("wall/wall.mri");
    ASSERT_FALSE(background.Empty());
    for (const char* pszShot : {"boot.png", "makeover.png", "avenue.png", "none.png"})
    {
        SCOPED_TRACE(pszShot);
        const RgbImage shot = ReadPng(run.ShotPath(pszShot));
        for (const Highlight& h : highlights)
        {
            const RgbImage picture = ContentPicture(h.pszPicture);
            ASSERT_FALSE(picture.Empty());
            std::string strWhy;
            if (std::string(pszShot) == h.pszShot)
                EXPECT_TRUE(ShowsPicture(shot, picture, h.pt.x, h.pt.y, &strWhy)) << h.pszPicture << ": " << strWhy;
            else
                EXPECT_TRUE(ShowsPicture(shot, background, h.pt.x, h.pt.y, &strWhy, h.pt.x, h.pt.y, picture.nWidth,
                                         picture.nHeight))
                    << h.pszPicture << " should be hidden: " << strWhy;
        }
    }
}

TEST(WallScene, WelcomeOnTheFirstVisitWelcomeBackAfterAndMusicStartsWithLounge)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ToWall() + ScriptWallToSignIn() + ScriptSignInToWall() + "wait 300\n");
    ASSERT_GE(run.SceneIndex(kWall, 1), 0) << run.Text();
    EXPECT_EQ(FirstActions(run, kWall, 0, 2), ActionList({"play welcome.mrs loop", "play lounge.mrs loop"}))
        << run.Text();
    EXPECT_EQ(FirstActions(run, kWall, 1, 2), ActionList({"play wwback.mrs once", "play lounge.mrs loop"}))
        << run.Text();
}

} // namespace
