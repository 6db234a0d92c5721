// The scenes' input end to end: which releases, presses, moves and keys lead from each scene
// to the next (area edges included, with each scene's pause before it leaves), and the
// highlights that follow the pointer on the title, sign-in and wall screens.
#include "game/layout/SignInLayout.h"
#include "game/layout/SplashLayout.h"
#include "game/layout/WallLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace GameTest;

namespace
{

// A point in the game a script reaches: the scene current there and its place in the order
// of scenes. Every script ends with a wait, so the input that follows it comes at
// ScriptMs(strScript).
struct Start
{
    std::string strScript;
    const char* pszScene;
    size_t nIndex;
};

unsigned ScriptMs(const std::string& strScript)
{
    std::istringstream lines(strScript);
    std::string strCommand;
    unsigned nTotal = 0;
    for (std::string strLine; std::getline(lines, strLine);)
    {
        unsigned nMs = 0;
        if (std::istringstream(strLine) >> strCommand >> nMs && strCommand == "wait")
            nTotal += nMs;
    }
    return nTotal;
}

// What happens after the input: pszNext is the scene that follows dwDelayMs later (within a
// few ticks), "quit" for the end of the game, or nullptr when the scene stays until the
// script has run out.
struct ExitCase
{
    std::string strName;
    const Start& start;
    std::string strInput;
    const char* pszNext;
    unsigned dwDelayMs;
};

TEST(SceneInput, EachSceneLeavesOnlyOnAReleaseInsideItsAreasOrAKeyOnTheCredits)
{
    const Start splash{"wait 100\n", "CSPlashScene", 0};
    const Start signIn{ScriptSplashToSignIn(), "CSignInScene", 1};
    const Start wall{signIn.strScript + ScriptSignInToWall(), "CWallScene", 2};
    const Start makeover{wall.strScript + ScriptWallToMakeover(), "CMakeoverScene", 3};
    const Start avenue{wall.strScript + ScriptWallToAvenue(), "CAvenueScene", 3};
    const Start credits{signIn.strScript + ClickCentre(SignInLayout::rcFarewell) + "wait 1600\n",
                        "CCreditsScene", 2};
    std::vector<ExitCase> cases = {
        {"splash: release on the top-left corner", splash, Line("release left", 395, 360), "CSignInScene", 0},
        {"splash: right release on the bottom-right corner", splash, Line("release right", 620, 436),
         "CSignInScene", 0},
        {"splash: press outside, release inside", splash,
         Line("press left", 10, 10) + Line("release left", 500, 400), "CSignInScene", 0},
        {"splash: press inside and release one pixel right, releases one pixel outside each edge, a move, "
         "a press inside, keys",
         splash,
         Line("press left", 500, 400) + Line("release left", 621, 436) + Line("release left", 394, 360) +
             Line("release left", 395, 359) + Line("release left", 620, 437) + Line("move", 500, 400) +
             Line("press left", 500, 400) + "key VK_RETURN\nkey VK_SPACE\nkey 65\n",
         nullptr, 0},
        // Without sound the sign-in leaves one second after a choice.
        {"sign-in: farewell's top-left corner", signIn, Line("release left", 9, 416), "CCreditsScene", 1000},
        {"sign-in: farewell's bottom-right corner", signIn, Line("release right", 131, 476), "CCreditsScene",
         1000},
        {"sign-in: continue's top-left corner", signIn, Line("release left", 492, 421), "CWallScene", 1000},
        // The area's bottom edge (480) lies below the screen: its last row is the lowest reachable.
        {"sign-in: continue's bottom-right corner", signIn, Line("release right", 613, 479), "CWallScene",
         1000},
        {"sign-in: releases one pixel outside each corner, a press on continue released elsewhere, moves, "
         "presses and keys",
         signIn,
         Line("release left", 8, 416) + Line("release left", 131, 477) + Line("release left", 491, 421) +
             Line("release left", 614, 479) + Line("press left", 550, 450) + Line("release left", 300, 300) +
             Line("move", 70, 450) + Line("press right", 550, 450) + "key VK_RETURN\n",
         nullptr, 0},
        // Without sound the boot does not hold the game.
        {"wall: boot's top-left corner", wall, Line("release left", 308, 373), "CSignInScene", 0},
        {"wall: boot's bottom-right corner", wall, Line("release right", 405, 477), "CSignInScene", 0},
        {"wall: one pixel outside the boot and the signs, outside every area, moves, presses and keys", wall,
         Line("release left", 307, 373) + Line("release left", 405, 478) + Line("release left", 373, 37) +
             Line("release left", 462, 87) + Line("release left", 129, 38) + Line("release left", 221, 86) +
             Line("release left", 320, 240) + Line("move", 350, 400) + Line("press left", 350, 400) +
             "key VK_ESCAPE\n",
         nullptr, 0},
        {"wall: makeover's top-left corner", wall, Line("release left", 374, 37), "CMakeoverScene", 0},
        {"wall: makeover's bottom-right corner", wall, Line("release left", 462, 86), "CMakeoverScene", 0},
        {"wall: avenue's top-left corner", wall, Line("release left", 130, 38), "CAvenueScene", 0},
        {"wall: avenue's bottom-right corner", wall, Line("release right", 220, 86), "CAvenueScene", 0},
        // The release on the makeover sign arrives in the same instant as the boot click,
        // before the scene has been left: the boot's choice must stand.
        {"wall: a click after the boot's", wall, Line("click", 350, 420) + Line("click", 418, 60),
         "CSignInScene", 0},
        {"credits: left release", credits, Line("release left", 10, 10), "quit", 0},
        {"credits: right release", credits, Line("release right", 639, 479), "quit", 0},
        {"credits: arrow key", credits, "key VK_LEFT\n", "quit", 0},
        {"credits: letter key", credits, "key 65\n", "quit", 0},
        {"credits: a move and presses", credits,
         Line("move", 320, 240) + Line("press left", 320, 240) + Line("press right", 5, 5), nullptr, 0},
    };
    // The ottoman lies at the same place in the makeover studio and on Seventh Avenue.
    for (const Start* pStart : {&makeover, &avenue})
    {
        const std::string strScene = std::string(pStart->pszScene) + ": ";
        cases.push_back({strScene + "click on the ottoman's top-left corner", *pStart,
                         Line("click", 268, 398), "CWallScene", 0});
        cases.push_back({strScene + "right release on its bottom-right corner", *pStart,
                         Line("release right", 344, 479), "CWallScene", 0});
        cases.push_back({strScene + "releases one pixel outside its left, top and right edges, a press on it",
                         *pStart,
                         Line("release left", 267, 420) + Line("release left", 300, 397) +
                             Line("release left", 345, 420) + Line("press left", 300, 420),
                         nullptr, 0});
    }
    RunOptions silent;
    silent.strAudio = "none";
    for (const ExitCase& c : cases)
    {
        SCOPED_TRACE(c.strName);
        CScratchDir dir;
        const RunResult run = RunGame(dir, c.start.strScript + c.strInput + "wait 1500\n", silent);
        EXPECT_EQ(run.nStatus, 0);
        // The scenes that became current and the end of the game, in order.
        std::vector<const JournalEvent*> changes;
        for (const JournalEvent& event : run.journal)
            if (event.strKind == "scene" || event.strKind == "quit")
                changes.push_back(&event);
        ASSERT_GT(changes.size(), c.start.nIndex + 1) << run.Text();
        EXPECT_EQ(changes[c.start.nIndex]->fields.back(), c.start.pszScene) << run.Text();
        const JournalEvent& next = *changes[c.start.nIndex + 1];
        const unsigned nInput = ScriptMs(c.start.strScript);
        if (c.pszNext)
        {
            EXPECT_EQ(next.strKind == "quit" ? "quit" : next.fields.back(), c.pszNext) << run.Text();
            EXPECT_GE(next.nTime, nInput + c.dwDelayMs) << run.Text();
            EXPECT_LE(next.nTime, nInput + c.dwDelayMs + 100) << run.Text();
        }
        else
        {
            EXPECT_EQ(next.strKind, "quit") << run.Text();
            EXPECT_EQ(next.nTime, nInput + 1500) << run.Text();
        }
    }
}

// The screen after an input: the scene's own screen with at most one highlight picture.
struct HighlightStep
{
    const char* pszName;
    std::string strInput;
    const char* pszHighlight; // nullptr: none
    LayoutPoint pt;
};

template <size_t N>
void ExpectHighlights(const std::string& strScript, const CExpectedScreen& screen,
                      const HighlightStep (&steps)[N])
{
    RunOptions silent; // the sign-in host keeps still without a greeting
    silent.strAudio = "none";
    ExpectShotAfterEveryStep(
        strScript, "", steps,
        [&screen](const HighlightStep& step)
        {
            CExpectedScreen expected = screen;
            return step.pszHighlight ? expected.Draw(step.pszHighlight, step.pt) : expected;
        },
        silent);
}

TEST(SceneInput, HighlightsFollowThePointerUntilAChoiceIsMade)
{
    namespace SL = SplashLayout;
    const HighlightStep splash[] = {
        {"splash at first", "", nullptr, {}},
        {"over the button", Line("move", 500, 400), SL::pszButton, SL::ptButton},
        {"one pixel left of it", Line("move", 394, 400), nullptr, {}},
    };
    ExpectHighlights("wait 100\n", CExpectedScreen(SL::pszBackground), splash);

    namespace IL = SignInLayout;
    const HighlightStep signIn[] = {
        {"farewell's top-left corner", Line("move", 9, 416), IL::pszFarewell, IL::ptFarewell},
        {"continue's last pixel", Line("move", 613, 479), IL::pszContinue, IL::ptContinue},
        {"press on continue, release elsewhere",
         Line("press left", 550, 450) + Line("release left", 300, 300),
         nullptr,
         {}},
        // After the continue choice the pointer and a click on farewell change nothing.
        {"farewell after continue", Line("click", 550, 450) + Line("move", 9, 416) + Line("click", 9, 416),
         IL::pszContinue, IL::ptContinue},
    };
    ExpectHighlights(ScriptSplashToSignIn(), CExpectedScreen(IL::pszBackground).Draw(IL::pszTalk, IL::ptTalk),
                     signIn);

    namespace WL = WallLayout;
    const HighlightStep wall[] = {
        {"boot", Line("move", 350, 420), WL::pszBoot, WL::ptBoot},
        {"makeover", Line("move", 418, 60), WL::pszMakeover, WL::ptMakeover},
        {"avenue", Line("move", 175, 60), WL::pszAvenue, WL::ptAvenue},
        {"no area", Line("move", 320, 240), nullptr, {}},
    };
    ExpectHighlights(ScriptSplashToSignIn() + ScriptSignInToWall(), CExpectedScreen(WL::pszBackground), wall);
}

} // namespace
