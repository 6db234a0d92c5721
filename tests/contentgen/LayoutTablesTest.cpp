// LayoutTablesTest.cpp: every area and sprite of the layout tables lies on screen, the wall's
// areas are apart, a pair of glasses' areas hang together and the arrows show over their areas.
// Which area a point picks is tested by clicking through the scenes (tests/game).
#include "SceneAreas.h"

#include "platform/ScreenFormat.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(LayoutTables, WallAreasDoNotOverlap)
{
    std::vector<SceneArea> list = AllSceneAreas();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [](const SceneArea& area)
                              { return std::string(area.pszBackground) != WallLayout::pszBackground; }),
               list.end());
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
    for (const SceneArea& area : AllSceneAreas())
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
