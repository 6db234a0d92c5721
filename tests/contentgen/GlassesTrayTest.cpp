// GlassesTrayTest.cpp: each pair of glasses in the makeover tray is drawn where a click picks
// that very pair (the scene takes the first area in its list that holds the point, and the
// areas of neighbouring pairs overlap), inside the tray's border, and large enough to make out.
#include "art/GlassesTray.h"
#include "art/SceneRender.h"
#include "game/layout/MakeoverLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
using namespace MakeoverLayout;

// The pair a click at (x, y) picks, -1 for another item or none.
int PairPickedAt(int x, int y)
{
    std::vector<LayoutRect> before = {rcExit, rcBefore};
    before.insert(before.end(), std::begin(arcEyes), std::end(arcEyes));
    for (int k = 0; k < nLipStyles; ++k)
        before.push_back(LipArea(k));
    for (const LayoutRect& rc : before)
        if (rc.Contains(x, y))
            return -1;
    for (int i = 0; i < nGlassesAreas; ++i)
        if (GlassesArea(i).Contains(x, y))
            return GlassesPairOfArea(i);
    return -1;
}
} // namespace

TEST(GlassesTray, EveryPairLiesWhereAClickPicksItInsideTheTray)
{
    using namespace GlassesTray;
    for (int g = 0; g < nGlasses; ++g)
    {
        const CCanvas drawing = RenderScreen([g](cairo_t* cr) { DrawPair(cr, g); });
        int nDrawn = 0;
        int nStray = 0;
        int nOutsideTray = 0;
        int x0 = SCREEN_WIDTH, y0 = SCREEN_HEIGHT, x1 = 0, y1 = 0;
        for (int y = 0; y < SCREEN_HEIGHT; ++y)
            for (int x = 0; x < SCREEN_WIDTH; ++x)
            {
                if ((drawing.Pixel(x, y) >> 24) == 0)
                    continue;
                ++nDrawn;
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
                if (PairPickedAt(x, y) != g)
                    ++nStray;
                if (x < PANEL_X + BORDER || y < PANEL_Y + BORDER || x + 1 > PANEL_X + PANEL_W - BORDER ||
                    y + 1 > PANEL_Y + PANEL_H - BORDER)
                    ++nOutsideTray;
            }
        EXPECT_EQ(nStray, 0) << "pixels of pair " << g << " where a click picks something else";
        EXPECT_EQ(nOutsideTray, 0) << "pixels of pair " << g << " outside the tray";
        // Two lenses and a bridge: a good handful of pixels over at least 20 pixels.
        EXPECT_GE(nDrawn, 120) << "pair " << g;
        EXPECT_GE(std::hypot(x1 - x0, y1 - y0), 20.0) << "pair " << g;
    }
}
