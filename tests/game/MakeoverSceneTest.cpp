// The makeover studio end to end: its exit with the ottoman's edges, every kind of pick with
// overlapping areas and area edges checked on the face shown, the highlights, the sounds, a
// fresh face on every visit and missing pictures.
#include "game/layout/MakeoverLayout.h"
#include "game/layout/WallLayout.h"
#include "tests/game/MakeoverAvenueScreen.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace GameTest;
namespace ML = MakeoverLayout;

namespace
{

const SceneId kMakeover{4, "CMakeoverScene"};

// Off every area: no highlight shows while the pointer is here.
const std::string kMoveOff = Line("move", 600, 10);

std::string ScriptWallToMakeover()
{
    return ClickCentre(WallLayout::rcMakeover) + "wait 300\n";
}

std::string ScriptToMakeover()
{
    return ScriptSplashToSignIn() + ScriptSignInToWall() + ScriptWallToMakeover();
}

constexpr auto Rel = &ContentRelative;

// What the four face layers show; -1 is hidden (the hair is always shown).
struct Face
{
    int nEyes = -1;
    int nLips = -1;
    int nGlasses = -1;
    int nHair = 0;
};

CExpectedScreen StudioWith(const Face& face)
{
    CExpectedScreen screen(Rel(ML::pszBackground));
    const std::pair<const char*, int> layers[] = {{ML::pszEyes, face.nEyes},
                                                  {ML::pszLips, face.nLips},
                                                  {ML::pszGlasses, face.nGlasses},
                                                  {ML::pszHair, face.nHair}};
    for (const auto& layer : layers)
        if (layer.second >= 0)
            screen.DrawFrame(Rel(layer.first), layer.second, ML::ptFace);
    return screen;
}

TEST(MakeoverScene, ReachedFromTheWallAndLeftOnlyByAReleaseOnTheOttoman)
{
    ExpectOttomanExits(ScriptToMakeover(), kMakeover, 2500);
}

struct PickStep
{
    const char* pszName;
    std::string strInput;
    Face face; // the face after the input
};

TEST(MakeoverScene, PicksChangeTheFaceAndOverlappingAreasGoToTheFirst)
{
    const int nLastHair = ContentFrameCount(Rel(ML::pszHair)) - 1;
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
    ExpectShotAfterEveryStep(ScriptToMakeover(), kMoveOff, steps,
                             [](const PickStep& step) { return StudioWith(step.face); });
}

TEST(MakeoverScene, HighlightsShowOverTheirAreasOnly)
{
    CScratchDir dir;
    const RunResult run = RunGame(
        dir, ScriptToMakeover() + Line("press left", 300, 420) + Shot("exit.png") + Line("move", 41, 374) +
                 Shot("before.png") + Line("move", 29, 355) + Shot("left.png") + Line("move", 130, 318) +
                 Shot("right.png") + Line("move", 20, 40) + Shot("item.png") + kMoveOff + Shot("off.png"));
    const Face start;
    std::string strWhy;
    struct Still
    {
        const char* pszShot;
        const char* pszPicture;
        LayoutPoint pt;
    };
    for (const Still& still :
         {Still{"exit.png", ML::pszExit, ML::ptExit}, Still{"before.png", ML::pszBefore, ML::ptBefore}})
    {
        CExpectedScreen expected = StudioWith(start);
        expected.DrawPicture(Rel(still.pszPicture), still.pt);
        EXPECT_TRUE(expected.MatchesShot(ReadPng(run.ShotPath(still.pszShot)), &strWhy))
            << still.pszShot << ": " << strWhy;
    }

    struct Arrow
    {
        const char* pszShot;
        const char* const* apszFrames;
        LayoutPoint pt;
    };
    for (const Arrow& arrow : {Arrow{"left.png", ML::apszLeftArrow, ML::ptLeftArrow},
                               Arrow{"right.png", ML::apszRightArrow, ML::ptRightArrow}})
    {
        SCOPED_TRACE(arrow.pszShot);
        ExpectArrowShown(StudioWith(start), ReadPng(run.ShotPath(arrow.pszShot)), arrow.apszFrames, arrow.pt);
    }
    // Items have no highlight; moving off every area hides the last one shown.
    EXPECT_TRUE(StudioWith(start).MatchesShot(ReadPng(run.ShotPath("item.png")), &strWhy)) << strWhy;
    EXPECT_TRUE(StudioWith(start).MatchesShot(ReadPng(run.ShotPath("off.png")), &strWhy)) << strWhy;
}

TEST(MakeoverScene, EveryVisitStartsFromTheBeforeLook)
{
    CScratchDir dir;
    const RunResult run = RunGame(dir, ScriptToMakeover() + Line("click", 20, 40) + Line("click", 25, 160) +
                                           Line("click", 110, 320) + Line("click", 300, 420) + "wait 2500\n" +
                                           ScriptWallToMakeover() + kMoveOff + Shot("again.png"));
    ASSERT_EQ(run.Scenes().size(), 6u) << run.Text();
    EXPECT_EQ(run.Scenes()[5], kMakeover);
    std::string strWhy;
    EXPECT_TRUE(StudioWith(Face()).MatchesShot(ReadPng(run.ShotPath("again.png")), &strWhy)) << strWhy;
}

TEST(MakeoverScene, SoundsOfEveryPickAndOfTheExit)
{
    CScratchDir dir;
    const RunResult run = RunGame(
        dir, ScriptToMakeover() + Line("click", 20, 40) + Line("click", 25, 160) + Line("click", 20, 250) +
                 Line("click", 40, 330) + Line("click", 110, 320) + Line("click", 60, 400) +
                 Line("click", 300, 420) + Line("click", 20, 40) + "wait 2500\n" + ScriptWallToMakeover());
    if (RanWithoutSound(run))
        GTEST_SKIP() << "the runner has no sound engine";
    // The click after the ottoman's plays nothing.
    ExpectVisitSoundsUpToTheExit(run, 4,
                                 {"play lounge.mrs loop", "play mmovo.mrs loop", "play mmoeyes.mrs once",
                                  "play mmolips.mrs once", "play mmoglass.mrs once", "play hairback.mrs once",
                                  "play hairforw.mrs once", "play before.mrs once", "stop lounge.mrs",
                                  "stop mmovo.mrs", "play ottoman.mrs once"},
                                 "\\mmo\\", ML::dwExitDelayMs);

    // The second visit's music starts with the lounge track again.
    EXPECT_EQ(FirstActions(run, 4, 1, 1), ActionList({"play lounge.mrs loop"})) << run.Text();
}

TEST(MakeoverScene, MusicStartsWithLoungeAndRotatesWhenATrackEnds)
{
    ExpectMusicStartsWithLoungeAndRotates(ScriptToMakeover(), 4);
}

TEST(MakeoverScene, MissingPicturesLeaveTheirSpritesEmpty)
{
    CScratchDir dir;
    RunOptions options;
    options.strRoot = MakeContentRoot(dir, {Rel(ML::pszEyes), Rel(ML::pszBefore), Rel(ML::apszLeftArrow[1])});
    const RunResult run = RunGame(dir,
                                  ScriptToMakeover() + Line("click", 20, 40) + Line("move", 60, 400) +
                                      Shot("picks.png") + Line("click", 300, 420) + "wait 2500\n",
                                  options);
    std::string strWhy;
    EXPECT_TRUE(StudioWith(Face()).MatchesShot(ReadPng(run.ShotPath("picks.png")), &strWhy)) << strWhy;
    const std::vector<std::pair<int, std::string>> scenes = run.Scenes();
    ASSERT_EQ(scenes.size(), 5u) << run.Text();
    EXPECT_EQ(scenes[4], kWallScene);
}

} // namespace
