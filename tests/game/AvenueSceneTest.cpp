// Seventh Avenue end to end: the arrows of every row stepping forward and back with
// wrap-around, the dress against top and bottom, the arrow areas' edges, and the highlights.
#include "game/layout/AvenueLayout.h"
#include "tests/game/GameTestSupport.h"

#include <gtest/gtest.h>

using namespace GameTest;
namespace AL = AvenueLayout;

namespace
{

const std::string kToAvenue = ScriptSplashToSignIn() + ScriptSignInToWall() + ScriptWallToAvenue();

// Off every area: no highlight shows while the pointer is here.
const std::string kMoveOff = Line("move", 600, 470);

struct DressStep
{
    const char* pszName;
    std::string strInput;
    Outfit outfit; // after the input
};

TEST(AvenueScene, ArrowsStepEveryRowBothWaysWithWrapAndTheDressReplacesTopAndBottom)
{
    int anLast[AL::ROW_COUNT];
    for (int nRow = 0; nRow < AL::ROW_COUNT; ++nRow)
    {
        anLast[nRow] = static_cast<int>(ContentFrames(AL::aRows[nRow].pszItems).size()) - 1;
        ASSERT_GE(anLast[nRow], AL::aRows[nRow].nStartFrame + 1) << AL::aRows[nRow].pszName;
    }
    const int nLastFac = anLast[AL::ROW_FAC];
    const int nLastBot = anLast[AL::ROW_BOT];
    const int nAccItems = anLast[AL::ROW_ACC] + 1;
    const DressStep steps[] = {
        {"start", "", kStartOutfit},
        {"hh right arrow's top-left corner: back", Line("click", 334, 28), {{2, 0, 1, 0, 0, 4, 1}, false}},
        {"hh left arrow's top-left corner: forward", Line("click", 22, 27), {{3, 0, 1, 0, 0, 4, 1}, false}},
        {"hh left arrow's last pixel", Line("click", 67, 70), {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"one pixel right of it is outside every area",
         Line("click", 68, 70),
         {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"fac back from the first wraps to the last",
         AvenueArrow(AL::ROW_FAC, true),
         {{4, nLastFac, 1, 0, 0, 4, 1}, false}},
        {"fac forward from the last wraps to the first",
         AvenueArrow(AL::ROW_FAC, false),
         {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"dre forward puts on the dress", AvenueArrow(AL::ROW_DRE, false), {{4, 0, 1, 1, 0, 4, 1}, true}},
        {"top forward brings back the separates",
         AvenueArrow(AL::ROW_TOP, false),
         {{4, 0, 2, 1, 0, 4, 1}, false}},
        {"top back", AvenueArrow(AL::ROW_TOP, true), {{4, 0, 1, 1, 0, 4, 1}, false}},
        {"dre back: the dress again, one item back",
         AvenueArrow(AL::ROW_DRE, true),
         {{4, 0, 1, 0, 0, 4, 1}, true}},
        {"bot back from the first wraps, separates again",
         AvenueArrow(AL::ROW_BOT, true),
         {{4, 0, 1, 0, nLastBot, 4, 1}, false}},
        {"bot forward wraps to the first", AvenueArrow(AL::ROW_BOT, false), {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"acc forward twice passes the last",
         AvenueArrow(AL::ROW_ACC, false) + AvenueArrow(AL::ROW_ACC, false),
         {{4, 0, 1, 0, 0, (4 + 2) % nAccItems, 1}, false}},
        {"acc back", AvenueArrow(AL::ROW_ACC, true), {{4, 0, 1, 0, 0, (4 + 1) % nAccItems, 1}, false}},
        {"shoe back then forward twice",
         AvenueArrow(AL::ROW_SHOE, true) + AvenueArrow(AL::ROW_SHOE, false) +
             AvenueArrow(AL::ROW_SHOE, false),
         {{4, 0, 1, 0, 0, 5 % nAccItems, 2}, false}},
    };
    ExpectShotAfterEveryStep(kToAvenue, kMoveOff, steps,
                             [](const DressStep& step) { return AvenueWith(step.outfit); });
}

TEST(AvenueScene, HoverShowsTheArrowAtItsRowPointWithTheRowHighlight)
{
    const struct
    {
        int nRow;
        bool bRight;
    } hovers[] = {{AL::ROW_HH, false}, {AL::ROW_DRE, true}, {AL::ROW_SHOE, true}, {AL::ROW_ACC, false}};
    std::string strScript = kToAvenue;
    for (size_t i = 0; i < std::size(hovers); ++i)
    {
        const AL::AvenueRow& row = AL::aRows[hovers[i].nRow];
        const LayoutRect& rc = hovers[i].bRight ? row.rcRightArrow : row.rcLeftArrow;
        strScript += Line("move", rc.right, rc.bottom) + Shot("hover" + std::to_string(i) + ".png");
    }
    strScript += Line("press left", 300, 420) + Shot("exit.png") + kMoveOff + Shot("off.png");
    CScratchDir dir;
    const RunResult run = RunGame(dir, strScript);
    for (size_t i = 0; i < std::size(hovers); ++i)
    {
        SCOPED_TRACE("hover " + std::to_string(i));
        const AL::AvenueRow& row = AL::aRows[hovers[i].nRow];
        ExpectArrowShown(AvenueWith(kStartOutfit, hovers[i].nRow),
                         run.Shot("hover" + std::to_string(i) + ".png"),
                         hovers[i].bRight ? AL::apszRightArrow : AL::apszLeftArrow,
                         hovers[i].bRight ? row.ptRightArrow : row.ptLeftArrow);
    }
    EXPECT_TRUE(AvenueWith(kStartOutfit, -1, true).MatchesShot(run.Shot("exit.png")));
    EXPECT_TRUE(AvenueWith(kStartOutfit).MatchesShot(run.Shot("off.png")));
}

} // namespace
