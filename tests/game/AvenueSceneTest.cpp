// Seventh Avenue end to end: its exit with the ottoman's edges, the arrows of every row
// stepping forward and back with wrap-around, the dress against top and bottom, the arrow
// areas' edges, the highlights, the sounds, the same outfit on every visit and missing pictures.
#include "game/layout/AvenueLayout.h"
#include "game/layout/WallLayout.h"
#include "tests/game/MakeoverAvenueScreen.h"

#include <gtest/gtest.h>

using namespace GameTest;
namespace AL = AvenueLayout;

namespace
{

const SceneId kAvenue{3, "CAvenueScene"};

// Off every area: no highlight shows while the pointer is here.
const std::string kMoveOff = Line("move", 600, 470);

std::string ScriptWallToAvenue()
{
    return ClickCentre(WallLayout::rcAvenue) + "wait 300\n";
}

std::string ScriptToAvenue()
{
    return ScriptSplashToSignIn() + ScriptSignInToWall() + ScriptWallToAvenue();
}

constexpr auto Rel = &ContentRelative;

std::string Arrow(int nRow, bool bRight)
{
    return ClickCentre(bRight ? AL::aRows[nRow].rcRightArrow : AL::aRows[nRow].rcLeftArrow);
}

// The item of every row (by AvenueRowIndex; -1 draws nothing) and whether the dress is worn
// instead of the top and the bottom.
struct Outfit
{
    int anItem[AL::ROW_COUNT];
    bool bDress;
};

const Outfit kStartOutfit = {{3, 0, 1, 0, 0, 4, 1}, false};

bool Worn(const Outfit& outfit, int nRow)
{
    if (nRow == AL::ROW_DRE)
        return outfit.bDress;
    if (nRow == AL::ROW_TOP || nRow == AL::ROW_BOT)
        return !outfit.bDress;
    return true;
}

// The street with the model in outfit; nHighlightRow's highlight (or none for -1) and the
// exit highlight in their places under the model.
CExpectedScreen AvenueWith(const Outfit& outfit, int nHighlightRow = -1, bool bExitHighlight = false)
{
    CExpectedScreen screen(Rel(AL::pszBackground));
    if (nHighlightRow >= 0)
        screen.DrawPicture(Rel(AL::aRows[nHighlightRow].pszHighlight), AL::aRows[nHighlightRow].ptHighlight);
    screen.DrawPicture(Rel(AL::pszBackdrop), AL::ptBackdrop);
    if (bExitHighlight)
        screen.DrawPicture(Rel(AL::pszExit), AL::ptExit);
    for (AL::AvenueRowIndex nRow : AL::aLayerDrawOrder)
        if (Worn(outfit, nRow))
            screen.DrawFrame(Rel(AL::aRows[nRow].pszItems), outfit.anItem[nRow], AL::aRows[nRow].ptLayer);
    return screen;
}

TEST(AvenueScene, ReachedFromTheWallAndLeftOnlyByAReleaseOnTheOttoman)
{
    ExpectOttomanExits(ScriptToAvenue(), kAvenue, 1500);
}

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
        anLast[nRow] = ContentFrameCount(Rel(AL::aRows[nRow].pszItems)) - 1;
        ASSERT_GE(anLast[nRow], AL::aRows[nRow].nStartFrame + 1) << AL::aRows[nRow].pszName;
    }
    const int nLastFac = anLast[AL::ROW_FAC];
    const int nLastBot = anLast[AL::ROW_BOT];
    const DressStep steps[] = {
        {"start", "", kStartOutfit},
        {"hh right arrow's top-left corner: back", Line("click", 334, 28), {{2, 0, 1, 0, 0, 4, 1}, false}},
        {"hh left arrow's top-left corner: forward", Line("click", 22, 27), {{3, 0, 1, 0, 0, 4, 1}, false}},
        {"hh left arrow's last pixel", Line("click", 67, 70), {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"one pixel right of it is outside every area",
         Line("click", 68, 70),
         {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"fac back from the first wraps to the last",
         Arrow(AL::ROW_FAC, true),
         {{4, nLastFac, 1, 0, 0, 4, 1}, false}},
        {"fac forward from the last wraps to the first",
         Arrow(AL::ROW_FAC, false),
         {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"dre forward puts on the dress", Arrow(AL::ROW_DRE, false), {{4, 0, 1, 1, 0, 4, 1}, true}},
        {"top forward brings back the separates", Arrow(AL::ROW_TOP, false), {{4, 0, 2, 1, 0, 4, 1}, false}},
        {"top back", Arrow(AL::ROW_TOP, true), {{4, 0, 1, 1, 0, 4, 1}, false}},
        {"dre back: the dress again, one item back", Arrow(AL::ROW_DRE, true), {{4, 0, 1, 0, 0, 4, 1}, true}},
        {"bot back from the first wraps, separates again",
         Arrow(AL::ROW_BOT, true),
         {{4, 0, 1, 0, nLastBot, 4, 1}, false}},
        {"bot forward wraps to the first", Arrow(AL::ROW_BOT, false), {{4, 0, 1, 0, 0, 4, 1}, false}},
        {"acc forward twice passes the last",
         Arrow(AL::ROW_ACC, false) + Arrow(AL::ROW_ACC, false),
         {{4, 0, 1, 0, 0, (4 + 2) % (anLast[AL::ROW_ACC] + 1), 1}, false}},
        {"acc back",
         Arrow(AL::ROW_ACC, true),
         {{4, 0, 1, 0, 0, (4 + 1) % (anLast[AL::ROW_ACC] + 1), 1}, false}},
        {"shoe back then forward twice",
         Arrow(AL::ROW_SHOE, true) + Arrow(AL::ROW_SHOE, false) + Arrow(AL::ROW_SHOE, false),
         {{4, 0, 1, 0, 0, 5 % (anLast[AL::ROW_ACC] + 1), 2}, false}},
    };
    ExpectShotAfterEveryStep(ScriptToAvenue(), kMoveOff, steps,
                             [](const DressStep& step) { return AvenueWith(step.outfit); });
}

TEST(AvenueScene, HoverShowsTheArrowAtItsRowPointWithTheRowHighlight)
{
    struct Hover
    {
        int nRow;
        bool bRight;
    };
    const Hover hovers[] = {
        {AL::ROW_HH, false}, {AL::ROW_DRE, true}, {AL::ROW_SHOE, true}, {AL::ROW_ACC, false}};
    std::string strScript = ScriptToAvenue();
    for (size_t i = 0; i < std::size(hovers); ++i)
    {
        const AL::AvenueRow& row = AL::aRows[hovers[i].nRow];
        const LayoutRect& rc = hovers[i].bRight ? row.rcRightArrow : row.rcLeftArrow;
        strScript += Line("move", rc.right, rc.bottom) + Shot("hover" + std::to_string(i) + ".png");
    }
    strScript += Line("press left", 300, 420) + Shot("exit.png") + kMoveOff + Shot("off.png");
    CScratchDir dir;
    const RunResult run = RunGame(dir, strScript);

    std::string strWhy;
    for (size_t i = 0; i < std::size(hovers); ++i)
    {
        SCOPED_TRACE("hover " + std::to_string(i));
        const AL::AvenueRow& row = AL::aRows[hovers[i].nRow];
        ExpectArrowShown(AvenueWith(kStartOutfit, hovers[i].nRow),
                         ReadPng(run.ShotPath("hover" + std::to_string(i) + ".png")),
                         hovers[i].bRight ? AL::apszRightArrow : AL::apszLeftArrow,
                         hovers[i].bRight ? row.ptRightArrow : row.ptLeftArrow);
    }
    EXPECT_TRUE(AvenueWith(kStartOutfit, -1, true).MatchesShot(ReadPng(run.ShotPath("exit.png")), &strWhy))
        << strWhy;
    EXPECT_TRUE(AvenueWith(kStartOutfit).MatchesShot(ReadPng(run.ShotPath("off.png")), &strWhy)) << strWhy;
}

TEST(AvenueScene, EveryVisitStartsFromTheSameOutfit)
{
    CScratchDir dir;
    const RunResult run =
        RunGame(dir, ScriptToAvenue() + Arrow(AL::ROW_DRE, false) + Arrow(AL::ROW_HH, true) +
                         Arrow(AL::ROW_SHOE, false) + Line("click", 300, 420) + "wait 1500\n" +
                         ScriptWallToAvenue() + kMoveOff + Shot("again.png"));
    ASSERT_EQ(run.Scenes().size(), 6u) << run.Text();
    EXPECT_EQ(run.Scenes()[5], kAvenue);
    std::string strWhy;
    EXPECT_TRUE(AvenueWith(kStartOutfit).MatchesShot(ReadPng(run.ShotPath("again.png")), &strWhy)) << strWhy;
}

TEST(AvenueScene, SoundsOfTheVoiceTheMusicTheArrowsAndTheExit)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ScriptToAvenue() + Arrow(AL::ROW_TOP, false) +
                                           Arrow(AL::ROW_SHOE, true) + Line("click", 300, 420) +
                                           Arrow(AL::ROW_HH, false) + "wait 1500\n" + ScriptWallToAvenue());
    if (RanWithoutSound(run))
        GTEST_SKIP() << "the runner has no sound engine";
    // The voice and the music are only stopped when the scene goes, after the boot sound; the
    // arrow click after the ottoman's plays nothing.
    ExpectVisitSoundsUpToTheExit(run, 3,
                                 {"play fashion.mrs loop", "play lounge.mrs loop", "play 7thave.mrs once",
                                  "play 7thave.mrs once", "play boot.mrs once"},
                                 "\\ave\\", AL::dwExitDelayMs);

    const ActionList again = FirstActions(run, 3, 1, 2);
    ASSERT_EQ(again.size(), 2u) << run.Text();
    EXPECT_EQ(again[1], "play lounge.mrs loop") << run.Text();
}

TEST(AvenueScene, MusicStartsWithLoungeAndRotatesWhenATrackEnds)
{
    ExpectMusicStartsWithLoungeAndRotates(ScriptToAvenue(), 3);
}

TEST(AvenueScene, MissingPicturesLeaveTheirSpritesEmpty)
{
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {Rel(AL::aRows[AL::ROW_TOP].pszItems), Rel(AL::pszExit)});
    const RunResult run =
        RunGame(dir,
                ScriptToAvenue() + Arrow(AL::ROW_TOP, false) + Line("press left", 300, 420) +
                    Shot("shown.png") + Line("release left", 300, 420) + "wait 1500\n",
                options);
    Outfit noTop = kStartOutfit;
    noTop.anItem[AL::ROW_TOP] = -1;
    std::string strWhy;
    EXPECT_TRUE(AvenueWith(noTop).MatchesShot(ReadPng(run.ShotPath("shown.png")), &strWhy)) << strWhy;
    const std::vector<std::pair<int, std::string>> scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 5u) << run.Text();
    EXPECT_EQ(scenes[4], kWallScene);
}

} // namespace
