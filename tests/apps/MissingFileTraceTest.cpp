// MissingFileTraceTest.cpp: a missing music file is traced once per run, however often the
// scenes ask for it again, and the game goes on as with the file in place.
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace GameTest;

namespace
{

size_t CountOf(const std::string& strText, const std::string& strPart)
{
    size_t nCount = 0;
    for (size_t nAt = strText.find(strPart); nAt != std::string::npos; nAt = strText.find(strPart, nAt + 1))
        ++nCount;
    return nCount;
}

std::string OpenFailure(const char* pszTrack)
{
    return std::string("Unable to open .\\content\\music\\") + pszTrack + " in CMRVStreamingSound object";
}

TEST(MissingFileTrace, EachMissingMusicFileIsTracedOnceWhileTheScenesRetryIt)
{
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {"music/lounge.mrs", "music/urban.mrs", "music/pop.mrs"});
    // Two seconds of the title screen retrying its music on every tick, then the sign-in
    // screen's music rotation.
    const RunResult run = RunGame(dir, "wait 2000\n" + ScriptSplashToSignIn() + "wait 2000\n", options);
    EXPECT_EQ(run.nStatus, 0) << run.Text();
    const auto scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 2u) << run.Text();
    EXPECT_EQ(scenes[1].second, "CSignInScene");
    // The lounge track is always asked for; the others only by chance.
    EXPECT_EQ(CountOf(run.strTrace, OpenFailure("lounge.mrs")), 1u) << run.strTrace;
    for (const char* pszTrack : {"urban.mrs", "pop.mrs"})
        EXPECT_LE(CountOf(run.strTrace, OpenFailure(pszTrack)), 1u) << run.strTrace;
    for (const JournalEvent& event : run.Sounds("play"))
        EXPECT_FALSE(IsMusic(SoundFile(event))) << event.strLine;
}

} // namespace
