// The whole game end to end on each display layout and sound set-up, and with content files
// missing: the same scenes follow each other, the pictures show, and sounds appear in the
// journal only when there is a device to play them.
#include "game/layout/AvenueLayout.h"
#include "game/layout/CreditsLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SignInLayout.h"
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
    return ScriptSplashToSignIn() + ScriptSignInToWall() + "shot wall.png\n" + ScriptWallToSignIn() +
           ScriptSignInToCredits() + "shot credits.png\nrelease left 320 240\nwait 500\n";
}

const std::vector<SceneId> kTourScenes = {
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
        // A display of another pixel layout rounds the colours.
        EXPECT_TRUE(CExpectedScreen(WallLayout::pszBackground).MatchesShot(run.Shot("wall.png"), {}, 10));
        EXPECT_TRUE(
            CExpectedScreen(CreditsLayout::pszBackground).MatchesShot(run.Shot("credits.png"), {}, 10));
    }
}

TEST(MissingContent, MissingPicturesDrawNothingMissingSoundsStaySilentAndTheGameGoesOn)
{
    namespace ML = MakeoverLayout;
    namespace AL = AvenueLayout;
    // Whole-loaded (cont, boot) and streamed (the greeting, welcome) sounds.
    const std::vector<std::string> sounds = {SignInLayout::pszContinueSound, WallLayout::pszBootSound,
                                             SignInLayout::pszGreeting, WallLayout::pszWelcome};
    std::vector<std::string> missing = {
        SplashLayout::pszButton, WallLayout::pszMakeover,         ML::pszEyes, ML::pszBefore,
        ML::apszLeftArrow[1],    AL::aRows[AL::ROW_TOP].pszItems, AL::pszExit};
    missing.insert(missing.end(), sounds.begin(), sounds.end());
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, missing);
    // Every area whose highlight is missing still works.
    const RunResult run =
        RunGame(dir,
                "wait 100\n" + Line("move", 500, 400) + Shot("splash.png") + Line("click", 500, 400) +
                    "wait 300\n" + ScriptSignInToWall() + Line("move", 418, 60) + Shot("wall.png") +
                    ScriptWallToMakeover() + Line("click", 20, 40) + Line("move", 60, 400) +
                    Shot("makeover.png") + Line("click", 300, 420) + "wait 2500\n" + ScriptWallToAvenue() +
                    AvenueArrow(AL::ROW_TOP, false) + Line("press left", 300, 420) + Shot("avenue.png") +
                    Line("release left", 300, 420) + "wait 1500\n" + ScriptWallToSignIn(),
                options);
    EXPECT_EQ(run.nStatus, 0) << run.Text();
    const std::vector<SceneId> scenes = {{0, "CSPlashScene"},   {1, "CSignInScene"}, {2, "CWallScene"},
                                         {4, "CMakeoverScene"}, {2, "CWallScene"},   {3, "CAvenueScene"},
                                         {2, "CWallScene"},     {1, "CSignInScene"}};
    EXPECT_EQ(run.Scenes(), scenes) << run.Text();
    EXPECT_TRUE(CExpectedScreen(SplashLayout::pszBackground).MatchesShot(run.Shot("splash.png")));
    EXPECT_TRUE(CExpectedScreen(WallLayout::pszBackground).MatchesShot(run.Shot("wall.png")));
    EXPECT_TRUE(StudioWith(Face()).MatchesShot(run.Shot("makeover.png")));
    Outfit noTop = kStartOutfit;
    noTop.anItem[AL::ROW_TOP] = -1;
    EXPECT_TRUE(AvenueWith(noTop).MatchesShot(run.Shot("avenue.png")));

    int nLounge = 0;
    for (const JournalEvent& event : run.journal)
    {
        for (const std::string& strSound : sounds)
            EXPECT_EQ(event.strLine.find(strSound), std::string::npos) << event.strLine;
        nLounge += IsSound(event, "play", "lounge.mrs") ? 1 : 0;
    }
    // The music still starts on every screen.
    EXPECT_GE(nLounge, 8) << run.Text();
    EXPECT_NE(run.strTrace.find("Error: Failed to init sound object in CMRVSoundEngine::InitSoundObject"),
              std::string::npos);
}

} // namespace
