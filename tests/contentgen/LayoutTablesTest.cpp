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

std::vector<NamedRect> WallAreas()
{
    return {
        {"boot", WallLayout::rcBoot}, {"makeover", WallLayout::rcMakeover}, {"avenue", WallLayout::rcAvenue}};
}

std::vector<NamedRect> AllAreas()
{
    using namespace MakeoverLayout;
    std::vector<NamedRect> list = WallAreas();
    list.insert(list.end(), {{"makeover exit", rcExit},
                             {"before", rcBefore},
                             {"hair back", rcHairBack},
                             {"hair forward", rcHairForward},
                             {"avenue exit", AvenueLayout::rcExit}});
    for (int k = 0; k < nEyeStyles; ++k)
        list.push_back({"eye " + std::to_string(k), arcEyes[k]});
    for (int k = 0; k < nLipStyles; ++k)
        list.push_back({"lip " + std::to_string(k), LipArea(k)});
    for (int i = 0; i < nGlassesAreas; ++i)
        list.push_back({"glasses area " + std::to_string(i), GlassesArea(i)});
    for (const AvenueLayout::AvenueRow& row : AvenueLayout::aRows)
    {
        list.push_back({std::string(row.pszName) + " left", row.rcLeftArrow});
        list.push_back({std::string(row.pszName) + " right", row.rcRightArrow});
    }
    return list;
}
} // namespace

TEST(LayoutTables, WallAreasDoNotOverlap)
{
    const std::vector<NamedRect> list = WallAreas();
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
    for (const NamedRect& area : AllAreas())
    {
        SCOPED_TRACE(area.strName);
        EXPECT_LE(area.rc.left, area.rc.right);
        EXPECT_LE(area.rc.top, area.rc.bottom);
        EXPECT_GE(area.rc.left, 0);
        EXPECT_GE(area.rc.top, 0);
        EXPECT_LT(area.rc.right, Platform::kScreenWidth);
        EXPECT_LE(area.rc.bottom, Platform::kScreenHeight);
    }
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
