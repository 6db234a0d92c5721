// SceneTest.cpp: the scene compositor and the hot-spot list, on small synthetic pictures
// checked pixel by pixel against a model of what the player should see.
#include "scene/Scene.h"
#include "graphics/MRVSprite.h"
#include "platform/ScreenFormat.h"
#include "scene/HotspotList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
constexpr int W = Platform::kScreenWidth;
constexpr int H = Platform::kScreenHeight;
constexpr int PITCH = 700; // in pixels; wider than a screen row, so the pitch must be honoured
constexpr WORD SENTINEL = 0xDEAD;
const CMRVRect ALL(0, 0, W, H);
const DWORD MASKS_565[3] = {0xF800, 0x07E0, 0x001F};

WORD BackgroundPixel(int x, int y)
{
    return WORD(0x0100 + ((x * 7 + y * 13) & 0xFF));
}

class CTestScene : public CScene
{
public:
    void Reserved() override {}
};

void FillImage(CMRVImage& img, int nWidth, int nHeight, WORD wColour)
{
    ASSERT_TRUE(img.Create(nWidth, nHeight, FALSE));
    std::fill(img.GetPixelWords(), img.GetPixelWords() + nWidth * nHeight, wColour);
}

class SceneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FillImage(m_imgBackground, W, H, 0);
        for (int i = 0; i < W * H; ++i)
            m_imgBackground.GetPixelWords()[i] = BackgroundPixel(i % W, i / W);
        m_Scene.SetBackground(&m_imgBackground, MASKS_565[0], MASKS_565[1], MASKS_565[2]);
        m_Surface.assign(size_t(PITCH) * H, SENTINEL);
    }

    // A solid sprite with its own picture, set up in the order the scenes use.
    CMRVSprite* AddSprite(int x, int y, int nWidth, int nHeight, WORD wColour, LONG nLayer,
                          CScene* pScene = nullptr)
    {
        m_Images.push_back(std::make_unique<CMRVImage>());
        FillImage(*m_Images.back(), nWidth, nHeight, wColour);
        m_Sprites.push_back(std::make_unique<CMRVSprite>());
        CMRVSprite* pSprite = m_Sprites.back().get();
        pSprite->SetPosition(x, y, nLayer);
        pSprite->AddFrame(m_Images.back().get(), nullptr);
        pSprite->SetState(MRVSPRITE_SHOWN);
        (pScene ? pScene : &m_Scene)->AddSprite(pSprite);
        return pSprite;
    }

    void Draw(BOOL bFull, CScene* pScene = nullptr)
    {
        (pScene ? pScene : &m_Scene)->Draw(m_Surface.data(), PITCH * 2, bFull);
    }
    WORD At(int x, int y) const { return m_Surface[size_t(y) * PITCH + x]; }

    // Pixels of rc that differ from the topmost shown sprite of paintOrder there (else the
    // background); with bUntouched, pixels that differ from the sentinel.
    int Mismatches(const CMRVRect& rc, const std::vector<CMRVSprite*>& paintOrder,
                   bool bUntouched = false) const
    {
        int nBad = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
            {
                WORD wExpected = bUntouched ? SENTINEL : BackgroundPixel(x, y);
                for (CMRVSprite* p : paintOrder)
                {
                    const CMRVRect b = p->GetBounds();
                    if (!bUntouched && !p->IsHidden() && x >= b.left && x < b.right && y >= b.top &&
                        y < b.bottom)
                        wExpected = p->m_Frames[p->m_nCurrentFrame].pImage->GetPixelWords()[0];
                }
                nBad += At(x, y) != wExpected;
            }
        return nBad;
    }

    CMRVImage m_imgBackground;
    std::vector<std::unique_ptr<CMRVImage>> m_Images;
    std::vector<std::unique_ptr<CMRVSprite>> m_Sprites;
    CTestScene m_Scene;
    std::vector<WORD> m_Surface;
};

TEST_F(SceneTest, LayersPaintLowFirstAndEqualLayersInInsertionOrder)
{
    CMRVSprite* pTop = AddSprite(100, 100, 50, 50, 0x1111, 1);
    CMRVSprite* pUnder = AddSprite(120, 120, 50, 50, 0x2222, 0); // lower layer, added later
    CMRVSprite* pFirst = AddSprite(300, 300, 40, 40, 0x3333, 0);
    CMRVSprite* pSecond = AddSprite(320, 320, 40, 40, 0x4444, 0);
    EXPECT_EQ(pTop->GetTarget(), m_Scene.GetScreenImage());
    Draw(TRUE);
    EXPECT_EQ(At(130, 130), 0x1111);
    EXPECT_EQ(At(330, 330), 0x4444);
    EXPECT_EQ(Mismatches(ALL, {pUnder, pFirst, pSecond, pTop}), 0);
}

TEST_F(SceneTest, UnmarkedScenesLeaveTheSurfaceAloneUntilACompleteFrame)
{
    Draw(FALSE); // no sprites
    EXPECT_EQ(Mismatches(ALL, {}, true), 0);
    Draw(TRUE);
    EXPECT_EQ(Mismatches(ALL, {}), 0);
    EXPECT_EQ(m_Surface[W], SENTINEL); // past the row, inside the pitch

    CMRVSprite* pSprite = AddSprite(10, 10, 20, 20, 0x1111, 0);
    pSprite->SetUpdateRect(CMRVRect());
    Draw(TRUE); // an empty update rectangle is not drawn even in a complete frame
    EXPECT_EQ(Mismatches(ALL, {}), 0);
    m_Surface.assign(m_Surface.size(), SENTINEL);
    Draw(FALSE);
    EXPECT_EQ(Mismatches(ALL, {}, true), 0);
}

TEST_F(SceneTest, MovedSpriteRepaintsOldAndNewPlacesOnly)
{
    CMRVSprite* pSprite = AddSprite(10, 10, 20, 20, 0x1111, 0);
    CMRVSprite* pFar = AddSprite(400, 400, 20, 20, 0x2222, 0);
    Draw(TRUE);
    pFar->SetUpdateRect(CMRVRect());
    pSprite->SetPosition(100, 10, MRVSPRITE_KEEP_LAYER);
    m_Surface.assign(m_Surface.size(), SENTINEL);
    Draw(FALSE);
    const CMRVRect rcRepainted(10, 10, 120, 30);
    EXPECT_EQ(Mismatches(rcRepainted, {pSprite, pFar}), 0);
    EXPECT_EQ(std::count(m_Surface.begin(), m_Surface.end(), SENTINEL), PITCH * H - 110 * 20);
}

TEST_F(SceneTest, HiddenSpriteIsErasedAndUnmarkedFrameChangeStillShows)
{
    CMRVSprite* pHidden = AddSprite(50, 60, 30, 30, 0x1111, 0);
    CMRVSprite* pChanged = AddSprite(200, 60, 20, 20, 0x2222, 0);
    CMRVImage imgOther;
    FillImage(imgOther, 20, 20, 0x5555);
    pChanged->AddFrame(&imgOther, nullptr);
    Draw(TRUE);
    pHidden->SetState(MRVSPRITE_HIDDEN);
    pChanged->m_nCurrentFrame = 1; // no mark: its earlier update rectangle still covers it
    Draw(FALSE);
    EXPECT_EQ(Mismatches(ALL, {pHidden, pChanged}), 0);
    EXPECT_EQ(At(205, 65), 0x5555);
}

TEST_F(SceneTest, OverlappingOrTouchingUpdateRectsMergeIntoTheFirstSprite)
{
    CMRVSprite* pFirst = AddSprite(10, 10, 20, 20, 0x1111, 0);
    CMRVSprite* pSecond = AddSprite(50, 10, 20, 20, 0x2222, 0);
    const struct
    {
        CMRVRect rcSecond;
        bool bMerged;
    } cases[] = {
        {CMRVRect(20, 20, 40, 40), true},  // overlapping
        {CMRVRect(30, 10, 50, 30), true},  // touching at the first's right edge
        {CMRVRect(31, 10, 51, 30), false}, // one column apart
    };
    for (const auto& c : cases)
    {
        pFirst->SetUpdateRect(CMRVRect(10, 10, 30, 30));
        pSecond->SetUpdateRect(c.rcSecond);
        Draw(FALSE);
        CMRVRect rcUnion(10, 10, 30, 30);
        rcUnion.Union(c.rcSecond);
        EXPECT_EQ(*pFirst->GetUpdateRect(), c.bMerged ? rcUnion : CMRVRect(10, 10, 30, 30));
        EXPECT_EQ(*pSecond->GetUpdateRect(), c.bMerged ? CMRVRect() : c.rcSecond);
    }
}

TEST_F(SceneTest, MoreRegionsThanTheListHoldsRepaintTheWholeScreen)
{
    std::vector<CMRVSprite*> sprites;
    for (int i = 0; i < 150; ++i)
        sprites.push_back(AddSprite((i % 50) * 12, (i / 50) * 12, 4, 4, WORD(0x2000 + i), 0));
    Draw(FALSE);
    EXPECT_EQ(Mismatches(ALL, sprites), 0);
    EXPECT_EQ(At(49 * 12, 2 * 12), 0x2000 + 149);
}

TEST_F(SceneTest, WithoutAUsableBackgroundSpritesAreDrawnOverBlack)
{
    CMRVImage imgSmall;
    FillImage(imgSmall, 320, 240, 0x7777);
    CTestScene scene;
    scene.SetBackground(&imgSmall, MASKS_565[0], MASKS_565[1], MASKS_565[2]);
    CMRVSprite* pSprite = AddSprite(10, 10, 20, 20, 0x1111, 0, &scene);
    Draw(TRUE, &scene);
    EXPECT_EQ(At(15, 15), 0x1111);
    EXPECT_EQ(At(5, 5), 0);
    pSprite->SetState(MRVSPRITE_HIDDEN);
    Draw(FALSE, &scene);
    EXPECT_EQ(At(15, 15), 0);
}

TEST(SceneBackgroundTest, PixelFormatFromRedMaskAndConversion)
{
    const struct
    {
        DWORD dwMasks[3];
        int nFormat;
        WORD wRed; // the stored 5-6-5 red after SetBackground
    } cases[] = {
        {{0x7C00, 0x03E0, 0x001F}, 0, 0x7C00},
        {{0xF800, 0x07E0, 0x001F}, 1, 0xF800},
        {{0x001F, 0x07E0, 0xF800}, 2, 0xFC00},
    };
    for (const auto& c : cases)
    {
        CMRVImage img;
        FillImage(img, W, H, 0xF800);
        CTestScene scene;
        scene.SetBackground(&img, c.dwMasks[0], c.dwMasks[1], c.dwMasks[2]);
        EXPECT_EQ(scene.GetPixelFormat(), c.nFormat);
        EXPECT_EQ(scene.GetScreenImage()->GetPixelWords()[0], c.wRed);
    }
}

// Also the rectangles' own containment test: every edge inside, one pixel past each outside.
TEST(HotspotListTest, FirstAreaContainingThePointWinsEdgesIncluded)
{
    CMRVRect rcA(10, 10, 50, 50), rcB(40, 40, 100, 100);
    CHotspotList list;
    const POINT ptInside{20, 20};
    EXPECT_EQ(list.HitTest(&ptInside), nullptr);
    list.Add(&rcA);
    list.Add(&rcB);
    const struct
    {
        POINT pt;
        CMRVRect* pExpected;
    } cases[] = {
        {{10, 10}, &rcA},   {{50, 50}, &rcA},   {{45, 45}, &rcA},
        {{51, 45}, &rcB},   {{100, 100}, &rcB}, {{101, 100}, nullptr},
        {{9, 30}, nullptr}, {{30, 9}, nullptr}, {{60, 101}, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.HitTest(&c.pt), c.pExpected) << c.pt.x << "," << c.pt.y;
}

} // namespace
