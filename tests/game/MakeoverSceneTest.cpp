// The makeover studio end to end: every kind of pick, with overlapping areas and area edges,
// checked on the face shown, and the highlights.
#include "game/layout/MakeoverLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

using namespace GameTest;
namespace ML = MakeoverLayout;

namespace
{

const std::string kToMakeover = ScriptSplashToSignIn() + ScriptSignInToWall() + ScriptWallToMakeover();

// Off every area: no highlight shows while the pointer is here.
const std::string kMoveOff = Line("move", 600, 10);

struct PickStep
{
    const char* pszName;
    std::string strInput;
    Face face; // the face after the input
};

TEST(MakeoverScene, PicksChangeTheFaceAndOverlappingAreasGoToTheFirst)
{
    const int nLastHair = static_cast<int>(ContentFrames(ML::pszHair).size()) - 1;
    ASSERT_GE(nLastHair, 1);
    const PickStep steps[] = {
        {"start: hair 0 only", "", {-1, -1, -1, 0}},
        {"(122, 40) lies in eye areas 2 and 3", Line("click", 122, 40), {2, -1, -1, 0}},
        {"(130, 60) lies in eye areas 3 and 7", Line("click", 130, 60), {3, -1, -1, 0}},
        {"(7, 30) is one pixel left of eye area 0", Line("click", 7, 30), {3, -1, -1, 0}},
        {"(25, 160) lies in lip areas 0 and 1", Line("click", 25, 160), {3, 0, -1, 0}},
        {"glasses hide the eyes: (20, 250) in areas 0 and 2", Line("click", 20, 250), {-1, 0, 0, 0}},
        {"bottom-right corner of lip area 14", Line("click", 235, 192), {-1, 14, 0, 0}},
        {"eyes hide the glasses: top-left of eye area 0", Line("click", 8, 30), {0, 14, -1, 0}},
        {"bottom-right corner of glasses area 29", Line("click", 243, 271), {-1, 14, 9, 0}},
        {"a press without a release changes nothing",
         Line("press left", 20, 40) + Line("release left", 600, 10),
         {-1, 14, 9, 0}},
        {"left arrow's top-left corner from hair 0 wraps to the last",
         Line("click", 29, 318),
         {-1, 14, 9, nLastHair}},
        {"right arrow's bottom-right corner from the last wraps to 0",
         Line("click", 130, 335),
         {-1, 14, 9, 0}},
        {"one pixel below the right arrow changes nothing", Line("click", 130, 336), {-1, 14, 9, 0}},
        {"left arrow's bottom-right corner", Line("click", 57, 355), {-1, 14, 9, nLastHair}},
        {"right arrow's top-left corner", Line("click", 102, 318), {-1, 14, 9, 0}},
        {"right arrow", Line("click", 110, 320), {-1, 14, 9, 1}},
        {"before's bottom-right corner resets the face", Line("click", 110, 477), {-1, -1, -1, 0}},
    };
    ExpectShotAfterEveryStep(kToMakeover, kMoveOff, steps,
                             [](const PickStep& step) { return StudioWith(step.face); });
}

TEST(MakeoverScene, HighlightsShowOverTheirAreasOnly)
{
    CScratchDir dir;
    const RunResult run = RunGame(
        dir, kToMakeover + Line("press left", 300, 420) + Shot("exit.png") + Line("move", 41, 374) +
                 Shot("before.png") + Line("move", 29, 355) + Shot("left.png") + Line("move", 130, 318) +
                 Shot("right.png") + Line("move", 20, 40) + Shot("item.png") + kMoveOff + Shot("off.png"));
    EXPECT_TRUE(StudioWith(Face()).Draw(ML::pszExit, ML::ptExit).MatchesShot(run.Shot("exit.png")));
    EXPECT_TRUE(StudioWith(Face()).Draw(ML::pszBefore, ML::ptBefore).MatchesShot(run.Shot("before.png")));
    ExpectArrowShown(StudioWith(Face()), run.Shot("left.png"), ML::apszLeftArrow, ML::ptLeftArrow);
    ExpectArrowShown(StudioWith(Face()), run.Shot("right.png"), ML::apszRightArrow, ML::ptRightArrow);
    // Items have no highlight; moving off every area hides the last one shown.
    EXPECT_TRUE(StudioWith(Face()).MatchesShot(run.Shot("item.png")));
    EXPECT_TRUE(StudioWith(Face()).MatchesShot(run.Shot("off.png")));
}

} // namespace
