// LayoutTablesTest.cpp: the layout tables resolve the points the scenes are known to resolve
// (first area in list order wins, edges included), and every area and sprite lies on screen.
#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/WallLayout.h"
#include "platform/ScreenFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct NamedRect
{
    std::string strName;
    LayoutRect rc;
};

// Hot-spot lists in the order the scenes register them.
std::vector<NamedRect> MakeoverHotspots()
{
    using namespace MakeoverLayout;
    std::vector<NamedRect> list = {{"exit", rcExit}, {"before", rcBefore}};
    for (int k = 0; k < nEyeStyles; ++k)
        list.push_back({"eye " + std::to_string(k), arcEyes[k]});
    for (int k = 0; k < nLipStyles; ++k)
        list.push_back({"lip " + std::to_string(k), LipArea(k)});
    for (int i = 0; i < nGlassesAreas; ++i)
        list.push_back({"glasses " + std::to_string(GlassesPairOfArea(i)), GlassesArea(i)});
    list.push_back({"hair back", rcHairBack});
    list.push_back({"hair forward", rcHairForward});
    return list;
}

std::vector<NamedRect> AvenueHotspots()
{
    std::vector<NamedRect> list = {{"exit", AvenueLayout::rcExit}};
    for (const AvenueLayout::AvenueRow& row : AvenueLayout::aRows)
    {
        list.push_back({std::string(row.pszName) + " left", row.rcLeftArrow});
        list.push_back({std::string(row.pszName) + " right", row.rcRightArrow});
    }
    return list;
}

std::vector<NamedRect> WallHotspots()
{
    return {{"boot", WallLayout::rcBoot}, {"makeover", WallLayout::rcMakeover}, {"avenue", WallLayout::rcAvenue}};
}

std::string FirstHit(const std::vector<NamedRect>& list, int x, int y)
{
    for (const NamedRect& area : list)
        if (area.rc.Contains(x, y))
            return area.strName;
    return "";
}

void ExpectOnScreen(const std::string& strName, const LayoutRect& rc)
{
    EXPECT_LE(rc.left, rc.right) << strName;
    EXPECT_LE(rc.top, rc.bottom) << strName;
    EXPECT_GE(rc.left, 0) << strName;
    EXPECT_GE(rc.top, 0) << strName;
    EXPECT_LT(rc.right, Platform::kScreenWidth) << strName;
    EXPECT_LE(rc.bottom, Platform::kScreenHeight) << strName;
}
} // namespace

TEST(LayoutTables, PointsResolveToTheFirstAreaThatHoldsThem)
{
    struct Case
    {
        std::vector<NamedRect> list;
        int x;
        int y;
        const char* pszExpected;
    };
    const std::vector<Case> cases = {
        {MakeoverHotspots(), 122, 40, "eye 2"},   // in eye areas 2 and 3
        {MakeoverHotspots(), 130, 60, "eye 3"},   // eye area 3 wins over eye area 7
        {MakeoverHotspots(), 125, 32, "eye 3"},
        {MakeoverHotspots(), 25, 160, "lip 0"},   // in lip areas 0 and 1
        {MakeoverHotspots(), 20, 250, "glasses 0"},
        {MakeoverHotspots(), 130, 335, "hair forward"},
        {MakeoverHotspots(), 130, 336, ""},       // the right arrow area is only 18 rows high
        {MakeoverHotspots(), 57, 355, "hair back"},
        {AvenueHotspots(), 22, 27, "hh left"},
        {AvenueHotspots(), 67, 70, "hh left"},
        {AvenueHotspots(), 68, 70, ""},
        {AvenueHotspots(), 344, 479, "exit"},
        {WallHotspots(), 308, 373, "boot"},
        {WallHotspots(), 405, 477, "boot"},
        {WallHotspots(), 462, 86, "makeover"},
        {WallHotspots(), 130, 38, "avenue"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstHit(c.list, c.x, c.y), c.pszExpected) << c.x << ", " << c.y;
}

TEST(LayoutTables, WallAreasDoNotOverlap)
{
    const std::vector<NamedRect> list = WallHotspots();
    for (size_t i = 0; i < list.size(); ++i)
        for (size_t j = i + 1; j < list.size(); ++j)
        {
            const LayoutRect& a = list[i].rc;
            const LayoutRect& b = list[j].rc;
            EXPECT_TRUE(a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top)
                << list[i].strName << " and " << list[j].strName;
        }
}

TEST(LayoutTables, AreasLieOnScreenAndEachGlassesPairHangsTogether)
{
    for (const auto& list : {MakeoverHotspots(), AvenueHotspots(), WallHotspots()})
        for (const NamedRect& area : list)
            ExpectOnScreen(area.strName, area.rc);
    // The three areas of a pair of glasses touch or overlap one another.
    for (int g = 0; g < MakeoverLayout::nGlasses; ++g)
        for (int i = 0; i < 3; ++i)
        {
            const LayoutRect a = MakeoverLayout::GlassesArea(3 * g + i);
            bool bTouches = false;
            for (int j = 0; j < 3; ++j)
            {
                const LayoutRect b = MakeoverLayout::GlassesArea(3 * g + j);
                bTouches |= j != i && !(a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top);
            }
            EXPECT_TRUE(bTouches) << "glasses pair " << g << " area " << i;
        }
}

TEST(LayoutTables, ArrowSpritesShowOverTheirOwnRowsAreas)
{
    for (const AvenueLayout::AvenueRow& row : AvenueLayout::aRows)
    {
        EXPECT_TRUE(row.rcLeftArrow.Contains(row.ptLeftArrow.x, row.ptLeftArrow.y)) << row.pszName;
        EXPECT_TRUE(row.rcRightArrow.Contains(row.ptRightArrow.x, row.ptRightArrow.y)) << row.pszName;
    }
}
