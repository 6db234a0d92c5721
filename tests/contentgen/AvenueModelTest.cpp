// AvenueModelTest.cpp: every outfit the seven rows of Seventh Avenue can put together hides
// what the bare model must never show (her underwear and the cap over her scalp). Checked for
// every combination of the rows: each frame's opaque pixels over the parts that
// must be hidden are a bit set, and the union of the layers shown in a combination must hold
// every bit.
#include "Model.h"
#include "art/SceneArt.h"
#include "art/SceneRender.h"
#include "game/layout/AvenueLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
using namespace AvenueLayout;
using Bits = std::vector<uint64_t>;

// Pixels (screen coordinates) at least half covered by what the outfits must hide.
std::vector<LayoutPoint> MustCoverPoints()
{
    const CCanvas mask = RenderScreen([](cairo_t* cr) { Model::DrawMustCover(cr); });
    std::vector<LayoutPoint> points;
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if ((mask.Pixel(x, y) >> 24) >= 128)
                points.push_back(LayoutPoint{x, y});
    return points;
}

// Bit k is set when the frame, shown at pt, draws the k-th point.
Bits Coverage(const CCanvas& frame, LayoutPoint pt, const std::vector<LayoutPoint>& points)
{
    Bits bits((points.size() + 63) / 64, 0);
    for (size_t k = 0; k < points.size(); ++k)
        if ((frame.Pixel(points[k].x - pt.x, points[k].y - pt.y) >> 24) == 0xFF)
            bits[k / 64] |= uint64_t(1) << (k % 64);
    return bits;
}

class AvenueModel : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_background = new CCanvas(RenderAvenueBackground());
        s_items = new std::vector<std::vector<CCanvas>>();
        for (int nRow = 0; nRow < ROW_COUNT; ++nRow)
            s_items->push_back(RenderAvenueItems(nRow, *s_background));
    }
    static void TearDownTestSuite()
    {
        delete s_items;
        delete s_background;
    }

    static CCanvas* s_background;
    static std::vector<std::vector<CCanvas>>* s_items;
};

CCanvas* AvenueModel::s_background = nullptr;
std::vector<std::vector<CCanvas>>* AvenueModel::s_items = nullptr;

// The points that some combination of one choice from each group leaves bare. A combination
// leaves a point bare exactly when each of its choices does, so a point is safe when, in some
// group, every choice covers it: the union over the groups of what all their choices cover.
std::vector<LayoutPoint> BarePoints(const std::vector<std::vector<Bits>>& groups,
                                    const std::vector<LayoutPoint>& points)
{
    Bits covered((points.size() + 63) / 64, 0);
    for (const std::vector<Bits>& group : groups)
        for (size_t w = 0; w < covered.size(); ++w)
        {
            uint64_t nAll = ~uint64_t(0);
            for (const Bits& choice : group)
                nAll &= choice[w];
            covered[w] |= nAll;
        }
    std::vector<LayoutPoint> bare;
    for (size_t k = 0; k < points.size(); ++k)
        if (!(covered[k / 64] >> (k % 64) & 1))
            bare.push_back(points[k]);
    return bare;
}
} // namespace

TEST_F(AvenueModel, EveryCombinationOfTheRowsHidesTheBareFigure)
{
    const std::vector<LayoutPoint> points = MustCoverPoints();
    // The bare figure does show underwear and a scalp cap (a few hundred pixels at least), and
    // the background the items are drawn over shows them too.
    ASSERT_GT(points.size(), 800u);
    std::vector<std::vector<Bits>> coverage(ROW_COUNT);
    for (int nRow = 0; nRow < ROW_COUNT; ++nRow)
    {
        ASSERT_EQ(int((*s_items)[nRow].size()), Model::ItemCount(Model::Row(nRow)));
        for (const CCanvas& frame : (*s_items)[nRow])
            coverage[nRow].push_back(Coverage(frame, aRows[nRow].ptLayer, points));
    }
    // Outfits: every top with every bottom, and every dress alone.
    std::vector<Bits> outfits;
    std::vector<Bits> bottomsAlone;
    for (const Bits& bottom : coverage[ROW_BOT])
    {
        for (const Bits& top : coverage[ROW_TOP])
        {
            outfits.push_back(bottom);
            for (size_t w = 0; w < bottom.size(); ++w)
                outfits.back()[w] |= top[w];
        }
        bottomsAlone.push_back(bottom);
    }
    outfits.insert(outfits.end(), coverage[ROW_DRE].begin(), coverage[ROW_DRE].end());
    std::vector<std::vector<Bits>> groups = {outfits, coverage[ROW_HH], coverage[ROW_FAC], coverage[ROW_ACC],
                                             coverage[ROW_SHOE]};
    const std::vector<LayoutPoint> bare = BarePoints(groups, points);
    EXPECT_TRUE(bare.empty()) << bare.size() << " points can show the bare figure, the first at "
                              << bare.front().x << ", " << bare.front().y;

    // And the check sees a gap where there is one: a bottom without a top leaves the bandeau bare.
    groups[0] = bottomsAlone;
    EXPECT_GT(BarePoints(groups, points).size(), 200u);
}
