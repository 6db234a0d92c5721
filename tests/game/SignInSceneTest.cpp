// The sign-in screen end to end: its two choices with their edges and their pause before
// leaving, the highlights, the greeting of the first visit, the farewell voice, and the
// music that rotates until a choice is made.
#include "game/layout/SignInLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

using namespace GameTest;

namespace
{

constexpr int kSignIn = 1;
constexpr int kWall = 2;
constexpr int kCredits = 5;

// The time of the first event in sounds that matches, or -1.
long TimeOf(const std::vector<JournalEvent>& sounds, const std::string& strAction, const std::string& strFile)
{
    for (const JournalEvent& event : sounds)
        if (IsSound(event, strAction, strFile))
            return static_cast<long>(event.nTime);
    return -1;
}

struct ChoiceCase
{
    const char* pszName;
    std::string strInput;
    int nNextState; // 0: stays
};

TEST(SignInScene, ChoicesLeadOnOnlyFromInsideTheirAreas)
{
    const ChoiceCase cases[] = {
        {"farewell, top-left corner", Line("release left", 9, 416), kCredits},
        {"farewell, bottom-right corner", Line("release right", 131, 476), kCredits},
        {"continue, top-left corner", Line("release left", 492, 421), kWall},
        // The area's bottom edge (480) lies below the screen: its last row is the lowest reachable.
        {"continue, bottom-right corner", Line("release right", 613, 479), kWall},
        {"one pixel outside each corner",
         Line("release left", 8, 416) + Line("release left", 131, 477) + Line("release left", 491, 421) +
             Line("release left", 614, 479),
         0},
        {"press on continue, release elsewhere", Line("press left", 550, 450) + Line("release left", 300, 300), 0},
        {"moves, presses and keys", Line("move", 70, 450) + Line("press right", 550, 450) + "key VK_RETURN\n", 0},
    };
    for (const ChoiceCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CScratchDir dir;
        RunOptions options;
        options.strAudio = "none";
        const RunResult run = RunGame(dir, ScriptSplashToSignIn() + c.strInput + "wait 1500\n", options);
        const auto scenes = run.Scenes();
        ASSERT_GE(scenes.size(), 2u) << run.Text();
        EXPECT_EQ(scenes[1].first, kSignIn);
        if (c.nNextState)
        {
            ASSERT_EQ(scenes.size(), 3u) << run.Text();
            EXPECT_EQ(scenes[2].first, c.nNextState) << run.Text();
        }
        else
        {
            EXPECT_EQ(scenes.size(), 2u) << run.Text();
        }
    }
}

TEST(SignInScene, PauseBeforeLeavingIsOneSecondWithoutSound)
{
    const std::pair<LayoutRect, int> choices[] = {{SignInLayout::rcContinue, kWall},
                                                  {SignInLayout::rcFarewell, kCredits}};
    for (const auto& [rc, nNextState] : choices)
    {
        CScratchDir dir;
        RunOptions options;
        options.strAudio = "none";
        const RunResult run = RunGame(dir, ScriptSplashToSignIn() + "wait 600\n" +
                                               Line("release left", rc.left, rc.top) + "wait 1500\n", options);
        const int nNext = run.SceneIndex(nNextState);
        ASSERT_GE(nNext, 0) << run.Text();
        // The script chooses at 100 + 300 + 600 ms.
        const unsigned nChosen = 1000;
        EXPECT_GT(run.journal[nNext].nTime, nChosen + 1000) << run.Text();
        EXPECT_LE(run.journal[nNext].nTime, nChosen + 1000 + 100) << run.Text();
    }
}

TEST(SignInScene, HighlightsFollowThePointerUntilAChoiceIsMade)
{
    CScratchDir dir;
    const LayoutRect rcF = SignInLayout::rcFarewell;
    const LayoutRect rcC = SignInLayout::rcContinue;
    const RunResult run = RunGame(
        dir, ScriptSplashToSignIn() + Line("move", rcF.left, rcF.top) + "wait 40\nshot farewell.png\n" +
                 Line("move", rcC.right, rcC.bottom - 1) + "wait 40\nshot continue.png\n" + Line("press left", 550, 450) +
                 Line("release left", 300, 300) + "wait 40\nshot released.png\n" + Line("click", 550, 450) +
                 "wait 40\n" + Line("move", rcF.left, rcF.top) + Line("click", rcF.left, rcF.top) +
                 "wait 40\nshot chosen.png\nwait 1500\n");
    const RgbImage background = ContentPicture("signin/signin.mri");
    const RgbImage farewell = ContentPicture("signin/sicaio.mri");
    const RgbImage cont = ContentPicture("signin/sicont.mri");
    ASSERT_FALSE(background.Empty() || farewell.Empty() || cont.Empty());
    const LayoutPoint ptF = SignInLayout::ptFarewell;
    const LayoutPoint ptC = SignInLayout::ptContinue;
    auto showsFarewell = [&](const RgbImage& shot, std::string* pWhy) {
        return ShowsPicture(shot, farewell, ptF.x, ptF.y, pWhy);
    };
    auto showsContinue = [&](const RgbImage& shot, std::string* pWhy) {
        return ShowsPicture(shot, cont, ptC.x, ptC.y, pWhy);
    };
    auto showsBackgroundAt = [&](const RgbImage& shot, LayoutPoint pt, const RgbImage& picture, std::string* pWhy) {
        return ShowsPicture(shot, background, pt.x, pt.y, pWhy, pt.x, pt.y, picture.nWidth, picture.nHeight);
    };
    std::string strWhy;
    const RgbImage shotFarewell = ReadPng(run.ShotPath("farewell.png"));
    EXPECT_TRUE(showsFarewell(shotFarewell, &strWhy)) << strWhy;
    EXPECT_TRUE(showsBackgroundAt(shotFarewell, ptC, cont, &strWhy)) << strWhy;
    const RgbImage shotContinue = ReadPng(run.ShotPath("continue.png"));
    EXPECT_TRUE(showsContinue(shotContinue, &strWhy)) << strWhy;
    EXPECT_TRUE(showsBackgroundAt(shotContinue, ptF, farewell, &strWhy)) << strWhy;
    // A press over continue shows it; the release elsewhere hides it and chooses nothing.
    EXPECT_TRUE(showsBackgroundAt(ReadPng(run.ShotPath("released.png")), ptC, cont, &strWhy)) << strWhy;
    // After the continue choice the pointer and a click on farewell change nothing.
    const RgbImage shotChosen = ReadPng(run.ShotPath("chosen.png"));
    EXPECT_TRUE(showsContinue(shotChosen, &strWhy)) << strWhy;
    EXPECT_TRUE(showsBackgroundAt(shotChosen, ptF, farewell, &strWhy)) << strWhy;
    const auto scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 3u) << run.Text();
    EXPECT_EQ(scenes[2].first, kWall);
}

TEST(SignInScene, GreetingOnlyOnTheFirstVisitAndMusicStartsWithLoungeEachTime)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ScriptSplashToSignIn() + ScriptSignInToWall() + ScriptWallToSignIn() +
                                           "wait 500\n" + ScriptSignInToWall());
    ASSERT_GE(run.SceneIndex(kWall, 1), 0) << run.Text();
    EXPECT_EQ(FirstActions(run, kSignIn, 0, 2), ActionList({"play lounge.mrs loop", "play hotshot.mrs loop"}))
        << run.Text();
    EXPECT_EQ(FirstActions(run, kSignIn, 1, 1), ActionList({"play lounge.mrs loop"})) << run.Text();
    for (const std::string& strAction : Actions(run.VisitSounds(kSignIn, 1)))
        EXPECT_EQ(strAction.find("hotshot"), std::string::npos) << strAction;
}

TEST(SignInScene, ContinueStopsMusicAndGreetingAndPlaysItsSoundOnce)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ScriptSplashToSignIn() + ScriptSignInToWall());
    ASSERT_GE(run.SceneIndex(kWall), 0) << run.Text();
    // The last four are the scene's end: every sound is stopped before it is removed.
    const std::vector<std::string> expected = {
        "play lounge.mrs loop", "play hotshot.mrs loop", "stop lounge.mrs", "stop hotshot.mrs",
        "play cont.mrs once",   "stop caio.mrs",         "stop cont.mrs",   "stop hotshot.mrs",
        "stop lounge.mrs"};
    EXPECT_EQ(Actions(run.VisitSounds(kSignIn)), expected) << run.Text();
}

TEST(SignInScene, FarewellVoiceTalksThenTheSceneLeavesASecondAfterIt)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ScriptSplashToSignIn() + "wait 300\n" + ScriptSignInToCredits());
    const int nCredits = run.SceneIndex(kCredits);
    ASSERT_GE(nCredits, 0) << run.Text();
    const std::vector<JournalEvent> sounds = run.VisitSounds(kSignIn);
    const long nStopMusic = TimeOf(sounds, "stop", "lounge.mrs");
    const long nStopGreeting = TimeOf(sounds, "stop", "hotshot.mrs");
    const long nVoice = TimeOf(sounds, "play", "caio.mrs");
    const long nVoiceEnd = TimeOf(sounds, "end", "caio.mrs");
    ASSERT_TRUE(nStopMusic >= 0 && nVoice >= 0 && nVoiceEnd > nVoice) << run.Text();
    EXPECT_EQ(nStopMusic, nVoice);
    EXPECT_EQ(nStopGreeting, nVoice);
    const long nLeft = static_cast<long>(run.journal[nCredits].nTime);
    EXPECT_GT(nLeft, nVoiceEnd + 1000) << run.Text();
    EXPECT_LE(nLeft, nVoiceEnd + 1000 + 120) << run.Text();
}

TEST(SignInScene, MusicRotatesWhenATrackEndsAndStopsForGoodAfterAChoice)
{
    // Short tracks, so that several end within the run.
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(
        dir, {}, {{"music/lounge.mrs", "signin/cont.mrs"}, {"music/urban.mrs", "wall/boot.mrs"},
                  {"music/pop.mrs", "signin/cont.mrs"}});
    const RunResult run = RunGame(dir, ScriptSplashToSignIn() + "wait 4000\n" + ScriptSignInToWall(), options);
    ASSERT_GE(run.SceneIndex(kWall), 0) << run.Text();
    std::vector<JournalEvent> musicPlays;
    long nLastEnd = -1;
    long nChoice = -1;
    for (const JournalEvent& event : run.VisitSounds(kSignIn))
    {
        if (IsSound(event, "play", "cont.mrs"))
            nChoice = static_cast<long>(event.nTime);
        else if (event.fields[0] == "play" && IsMusic(SoundFile(event)))
        {
            EXPECT_EQ(nChoice, -1) << "music started after the choice: " << event.strLine;
            EXPECT_EQ(event.fields.back(), "loop") << event.strLine;
            // Every track after the first follows the end of the one before within a tick or two.
            if (!musicPlays.empty())
            {
                EXPECT_LE(event.nTime, nLastEnd + 70) << event.strLine;
            }
            musicPlays.push_back(event);
        }
        else if (event.fields[0] == "end" && IsMusic(SoundFile(event)))
            nLastEnd = static_cast<long>(event.nTime);
    }
    ASSERT_GE(musicPlays.size(), 3u) << run.Text();
    EXPECT_EQ(SoundFile(musicPlays[0]), "lounge.mrs");
    EXPECT_NE(nChoice, -1) << run.Text();
}

} // namespace
