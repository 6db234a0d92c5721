// The scenes' sounds end to end: the music each scene starts and keeps going, the voices of
// first and later visits, the sounds of picks and exits with the pause before the next scene,
// and the farewell voice.
#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/WallLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace GameTest;
namespace AL = AvenueLayout;

namespace
{

constexpr int kSignIn = 1;
constexpr int kWall = 2;
constexpr int kAvenue = 3;
constexpr int kMakeover = 4;
constexpr int kCredits = 5;

// The time of the first event in sounds that matches, or -1.
long TimeOf(const std::vector<JournalEvent>& sounds, const std::string& strAction, const std::string& strFile)
{
    for (const JournalEvent& event : sounds)
        if (IsSound(event, strAction, strFile))
            return static_cast<long>(event.nTime);
    return -1;
}

TEST(SceneSound, EveryVisitStartsItsMusicWithLoungeAndStartsAnotherTrackWhenOneEnds)
{
    // Short tracks, so that several end within each visit.
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {},
                                      {{"music/lounge.mrs", "signin/cont.mrs"},
                                       {"music/urban.mrs", "wall/boot.mrs"},
                                       {"music/pop.mrs", "signin/cont.mrs"}});
    const std::string strStay = "wait 4000\n";
    const RunResult run = RunGame(dir,
                                  "wait 2500\n" + ScriptSplashToSignIn() + strStay + ScriptSignInToWall() +
                                      strStay + ScriptWallToMakeover() + strStay + Line("click", 300, 420) +
                                      "wait 2500\n" + ScriptWallToAvenue() + strStay,
                                  options);
    ASSERT_GE(run.SceneIndex(kAvenue), 0) << run.Text();
    // The title screen only ever starts its lounge track over.
    for (int nState : {0, kSignIn, kWall, kMakeover, kAvenue})
    {
        SCOPED_TRACE(nState);
        std::vector<JournalEvent> plays;
        long nLastEnd = -1;
        for (const JournalEvent& event : run.VisitSounds(nState))
        {
            if (event.fields[0] == "end" && IsMusic(SoundFile(event)))
                nLastEnd = static_cast<long>(event.nTime);
            if (event.fields[0] != "play" || !IsMusic(SoundFile(event)))
                continue;
            EXPECT_EQ(event.fields.back(), "loop") << event.strLine;
            EXPECT_TRUE(nState != 0 || SoundFile(event) == "lounge.mrs") << event.strLine;
            // Every track after the first follows the end of the one before within a tick or two.
            if (!plays.empty())
            {
                EXPECT_GE(static_cast<long>(event.nTime), nLastEnd) << event.strLine;
                EXPECT_LE(static_cast<long>(event.nTime), nLastEnd + 70) << event.strLine;
            }
            plays.push_back(event);
        }
        ASSERT_GE(plays.size(), 2u) << run.Text();
        EXPECT_EQ(SoundFile(plays[0]), "lounge.mrs");
    }
}

TEST(SceneSound, EveryVisitFromItsVoicesAndMusicToTheSoundOfItsExit)
{
    const std::string strOttoman = Line("click", 300, 420);
    CScratchDir dir;
    const RunResult run = RunGame(
        dir, ScriptSplashToSignIn() + ScriptSignInToWall() + ScriptWallToMakeover() + Line("click", 20, 40) +
                 Line("click", 25, 160) + Line("click", 20, 250) + Line("click", 40, 330) +
                 Line("click", 110, 320) + Line("click", 60, 400) + strOttoman + Line("click", 20, 40) +
                 "wait 2500\n" + ScriptWallToAvenue() + AvenueArrow(AL::ROW_TOP, false) +
                 AvenueArrow(AL::ROW_SHOE, true) + strOttoman + AvenueArrow(AL::ROW_HH, false) +
                 "wait 2000\n" + ScriptWallToSignIn() + "wait 500\n" + ScriptSignInToWall() +
                 ScriptWallToMakeover() + strOttoman + "wait 2500\n" + ScriptWallToAvenue());
    ASSERT_GE(run.SceneIndex(kAvenue, 1), 0) << run.Text();
    const char* const apszFolders[] = {"\\splash\\", "\\signin\\", "\\wall\\", "\\ave\\", "\\mmo\\"};
    const struct
    {
        int nState;
        int nOccurrence;
        ActionList first;  // up to the exit's sound; after them none of the scene's own sounds plays
        unsigned dwHoldMs; // from the exit's sound (the last one played) to the next scene; 0: none
    } visits[] = {
        // Every sound is stopped before it is removed.
        {kSignIn,
         0,
         {"play lounge.mrs loop", "play hotshot.mrs loop", "stop lounge.mrs", "stop hotshot.mrs",
          "play cont.mrs once", "stop caio.mrs", "stop cont.mrs", "stop hotshot.mrs", "stop lounge.mrs"},
         SignInLayout::dwLeaveDelayMs},
        {kWall, 0, {"play welcome.mrs loop", "play lounge.mrs loop"}, 0},
        // The click after the ottoman's plays nothing.
        {kMakeover,
         0,
         {"play lounge.mrs loop", "play mmovo.mrs loop", "play mmoeyes.mrs once", "play mmolips.mrs once",
          "play mmoglass.mrs once", "play hairback.mrs once", "play hairforw.mrs once",
          "play before.mrs once", "stop lounge.mrs", "stop mmovo.mrs", "play ottoman.mrs once"},
         MakeoverLayout::dwExitDelayMs},
        {kWall, 1, {"play wwback.mrs once", "play lounge.mrs loop"}, 0},
        // The voice and the music are only stopped when the scene goes, after the boot sound.
        {kAvenue,
         0,
         {"play fashion.mrs loop", "play lounge.mrs loop", "play 7thave.mrs once", "play 7thave.mrs once",
          "play boot.mrs once"},
         AL::dwExitDelayMs},
        {kWall,
         2,
         {"play wwback.mrs once", "play lounge.mrs loop", "stop wwback.mrs", "stop lounge.mrs",
          "play boot.mrs once"},
         WallLayout::dwBootDelayMs},
        // No greeting the second time.
        {kSignIn,
         1,
         {"play lounge.mrs loop", "stop lounge.mrs", "play cont.mrs once"},
         SignInLayout::dwLeaveDelayMs},
        {kWall, 3, {"play wwback.mrs once", "play lounge.mrs loop"}, 0},
        {kMakeover,
         1,
         {"play lounge.mrs loop", "play mmovo.mrs loop", "stop lounge.mrs", "stop mmovo.mrs",
          "play ottoman.mrs once"},
         MakeoverLayout::dwExitDelayMs},
        {kAvenue, 1, {"play fashion.mrs loop", "play lounge.mrs loop"}, 0},
    };
    for (const auto& visit : visits)
    {
        SCOPED_TRACE(testing::Message() << "state " << visit.nState << ", visit " << visit.nOccurrence);
        std::vector<JournalEvent> sounds;
        for (const JournalEvent& event : run.VisitSounds(visit.nState, visit.nOccurrence))
            if (event.fields[0] != "end")
                sounds.push_back(event);
        ASSERT_GE(sounds.size(), visit.first.size()) << run.Text();
        const std::vector<JournalEvent> first(sounds.begin(), sounds.begin() + visit.first.size());
        EXPECT_EQ(Actions(first), visit.first) << run.Text();
        for (size_t i = visit.first.size(); i < sounds.size(); ++i)
            EXPECT_FALSE(sounds[i].fields[0] == "play" &&
                         sounds[i].fields[1].find(apszFolders[visit.nState]) != std::string::npos)
                << sounds[i].strLine;
        if (!visit.dwHoldMs)
            continue;
        const auto itExitSound =
            std::find_if(first.rbegin(), first.rend(),
                         [](const JournalEvent& event) { return event.fields[0] == "play"; });
        const auto itNext = std::find_if(
            run.journal.begin() + run.SceneIndex(visit.nState, visit.nOccurrence) + 1, run.journal.end(),
            [](const JournalEvent& event) { return event.strKind == "scene"; });
        ASSERT_NE(itNext, run.journal.end()) << run.Text();
        EXPECT_GE(itNext->nTime, itExitSound->nTime + visit.dwHoldMs) << run.Text();
        EXPECT_LE(itNext->nTime, itExitSound->nTime + visit.dwHoldMs + 100) << run.Text();
    }
}

TEST(SceneSound, FarewellVoiceTalksThenTheSceneLeavesASecondAfterIt)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ScriptSplashToSignIn() + "wait 300\n" + ScriptSignInToCredits());
    const int nCredits = run.SceneIndex(kCredits);
    ASSERT_GE(nCredits, 0) << run.Text();
    const std::vector<JournalEvent> sounds = run.VisitSounds(kSignIn);
    const long nVoice = TimeOf(sounds, "play", "caio.mrs");
    const long nVoiceEnd = TimeOf(sounds, "end", "caio.mrs");
    ASSERT_TRUE(nVoice >= 0 && nVoiceEnd > nVoice) << run.Text();
    EXPECT_EQ(TimeOf(sounds, "stop", "lounge.mrs"), nVoice);
    EXPECT_EQ(TimeOf(sounds, "stop", "hotshot.mrs"), nVoice);
    const long nLeft = static_cast<long>(run.journal[nCredits].nTime);
    EXPECT_GT(nLeft, nVoiceEnd + 1000) << run.Text();
    EXPECT_LE(nLeft, nVoiceEnd + 1000 + 120) << run.Text();
}

} // namespace
