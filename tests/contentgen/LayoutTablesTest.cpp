// LayoutTablesTest.cpp: every area and sprite of the layout tables lies on screen, the wall's
// areas are apart, a pair of glasses' areas hang together and the arrows show over their areas.
// Which area a point picks is tested by clicking through the scenes (tests/game).
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
    return {
        {"boot", WallLayout::rcBoot}, {"makeover", WallLayout::rcMakeover}, {"avenue", WallLayout::rcAvenue}};
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
                bTouches |=
                    j != i && !(a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top);
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
