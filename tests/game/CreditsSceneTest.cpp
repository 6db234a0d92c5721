// The credits end to end: the picture, and the input that ends the program (a release or a
// key) or does not (a move or a press alone).
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

using namespace GameTest;

namespace
{

constexpr int kCredits = 5;

struct EndCase
{
    const char* pszInput;
    bool bEnds;
};

TEST(CreditsScene, FirstReleaseOrKeyEndsTheProgramAndNothingElseDoes)
{
    const EndCase cases[] = {
        {"release left 10 10", true}, {"release right 639 479", true}, {"key VK_LEFT", true},
        {"key 65", true},             {"move 320 240", false},         {"press left 320 240", false},
        {"press right 5 5", false},
    };
    for (const EndCase& c : cases)
    {
        SCOPED_TRACE(c.pszInput);
        CScratchDir dir;
        RunOptions options;
        options.strAudio = "none";
        // Farewell at 400 ms, credits from about 1450 ms; the input at 2000, the script ends at 4000.
        const RunResult run = RunGame(dir, ScriptSplashToSignIn() +
                                               Line("click", 70, 446) + "wait 1600\n" + c.pszInput + "\nwait 2000\n",
                                      options);
        const auto scenes = run.Scenes();
        ASSERT_EQ(scenes.size(), 3u) << run.Text();
        EXPECT_EQ(scenes[2], std::make_pair(kCredits, std::string("CCreditsScene")));
        ASSERT_FALSE(run.journal.empty());
        const JournalEvent& quit = run.journal.back();
        ASSERT_EQ(quit.strKind, "quit") << run.Text();
        EXPECT_EQ(run.nStatus, 0);
        if (c.bEnds)
            EXPECT_LE(quit.nTime, 2000u + 100u) << run.Text();
        else
            EXPECT_GE(quit.nTime, 4000u) << run.Text();
    }
}

} // namespace
