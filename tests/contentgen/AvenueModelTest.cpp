// AvenueModelTest.cpp: every outfit the seven rows of Seventh Avenue can put together hides
// what the bare model must never show (her underwear and the cap over her scalp). Checked for
// every combination of the rows, exhaustively: each frame's opaque pixels over the parts that
// must be hidden are a bit set, and the union of the layers shown in a combination must hold
// every bit.
#include "Model.h"
#include "art/SceneArt.h"
#include "art/SceneRender.h"
#include "game/layout/AvenueLayout.h"

#include <gtest/gtest.h>

#include <bitset>
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
    const size_t nWords = (points.size() + 63) / 64;
    auto full = [&](size_t w)
    {
        return w + 1 < nWords || points.size() % 64 == 0 ? ~uint64_t(0)
                                                         : (uint64_t(1) << (points.size() % 64)) - 1;
    };
    // Outfits: every top with every bottom, and every dress alone.
    std::vector<std::vector<const Bits*>> outfits;
    for (const Bits& top : coverage[ROW_TOP])
        for (const Bits& bottom : coverage[ROW_BOT])
            outfits.push_back({&top, &bottom});
    for (const Bits& dress : coverage[ROW_DRE])
        outfits.push_back({&dress});

    size_t nCombinations = 0;
    size_t nWithGaps = 0;
    std::string strFirstGap;
    for (size_t nOutfit = 0; nOutfit < outfits.size(); ++nOutfit)
        for (size_t hh = 0; hh < coverage[ROW_HH].size(); ++hh)
            for (size_t fac = 0; fac < coverage[ROW_FAC].size(); ++fac)
                for (size_t acc = 0; acc < coverage[ROW_ACC].size(); ++acc)
                    for (size_t shoe = 0; shoe < coverage[ROW_SHOE].size(); ++shoe)
                    {
                        ++nCombinations;
                        for (size_t w = 0; w < nWords; ++w)
                        {
                            uint64_t nCovered = coverage[ROW_HH][hh][w] | coverage[ROW_FAC][fac][w] |
                                                coverage[ROW_ACC][acc][w] | coverage[ROW_SHOE][shoe][w];
                            for (const Bits* pPart : outfits[nOutfit])
                                nCovered |= (*pPart)[w];
                            if (nCovered == full(w))
                                continue;
                            if (nWithGaps++ == 0)
                            {
                                const uint64_t nGap = ~nCovered & full(w);
                                size_t k = w * 64;
                                while (!(nGap >> (k % 64) & 1))
                                    ++k;
                                strFirstGap = "outfit " + std::to_string(nOutfit) +
                                              " (tops x bottoms, then dresses), hh " + std::to_string(hh) +
                                              ", fac " + std::to_string(fac) + ", acc " +
                                              std::to_string(acc) + ", shoe " + std::to_string(shoe) +
                                              " shows the bare figure at " + std::to_string(points[k].x) +
                                              ", " + std::to_string(points[k].y);
                            }
                            break;
                        }
                    }
    EXPECT_EQ(nCombinations, size_t(6 * 4 * (6 * 6 + 6) * 6 * 6));
    EXPECT_EQ(nWithGaps, 0u) << strFirstGap;

    // And the check sees a gap where there is one: a bottom without a top leaves the bandeau
    // bare whatever else she wears.
    for (const Bits& bottom : coverage[ROW_BOT])
    {
        size_t nBare = 0;
        for (size_t w = 0; w < nWords; ++w)
            nBare += std::bitset<64>(~(bottom[w] | coverage[ROW_HH][0][w] | coverage[ROW_ACC][5][w] |
                                       coverage[ROW_SHOE][1][w]) &
                                     full(w))
                         .count();
        EXPECT_GT(nBare, 200u);
    }
}
