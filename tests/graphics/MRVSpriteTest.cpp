// MRVSpriteTest.cpp: update-rectangle marking, frame selection and drawing of sprites.
#include "GraphicsTestSupport.h"

#include "graphics/MRVImageDraw.h"
#include "graphics/MRVSprite.h"

#include <algorithm>

using namespace GraphicsTest;

namespace
{

TEST(MRVSprite, UpdateRectMarksStartEmptyAndGrowOnMoves)
{
    auto image = MakeRaw(20, 20, {});
    CMRVSprite sprite;
    sprite.SetPosition(5, 7, 0); // before any frame: a zero-size mark
    EXPECT_EQ(*sprite.GetUpdateRect(), CMRVRect(5, 7, 5, 7));
    ASSERT_TRUE(sprite.AddFrame(image.get(), nullptr)); // does not mark
    EXPECT_EQ(sprite.m_rcUpdate, CMRVRect(5, 7, 5, 7));
    sprite.SetState(MRVSPRITE_SHOWN);
    EXPECT_EQ(sprite.m_rcUpdate, CMRVRect(5, 7, 25, 27));

    // At (0, 0) the first mark is all zero, counts as empty and is replaced.
    CMRVSprite origin;
    origin.SetPosition(0, 0, 0);
    ASSERT_TRUE(origin.AddFrame(image.get(), nullptr));
    origin.SetState(MRVSPRITE_HIDDEN);
    EXPECT_EQ(origin.m_rcUpdate, CMRVRect(0, 0, 20, 20));

    CMRVSprite mover;
    ASSERT_TRUE(mover.AddFrame(image.get(), nullptr));
    mover.SetPosition(10, 10, 3);
    mover.SetPosition(100, 10, MRVSPRITE_KEEP_LAYER);
    EXPECT_EQ(mover.m_rcUpdate, CMRVRect(10, 10, 120, 30));
    EXPECT_EQ(mover.m_nLayer, 3);

    // Only SetUpdateRect clears it; with m_bAlwaysDirty every query marks again.
    mover.SetUpdateRect(CMRVRect());
    EXPECT_TRUE(mover.GetUpdateRect()->IsEmpty());
    mover.m_bAlwaysDirty = TRUE;
    EXPECT_EQ(*mover.GetUpdateRect(), CMRVRect(100, 10, 120, 30));
}

TEST(MRVSprite, FrameSelectionStepsAndLimits)
{
    auto image = MakeRaw(30, 20, {});
    CMRVSprite sprite;
    const CMRVRect part(5, 5, 15, 12);
    ASSERT_TRUE(sprite.AddFrame(image.get(), &part));
    EXPECT_EQ(sprite.m_nWidth, 10);
    EXPECT_EQ(sprite.m_nHeight, 7);
    for (int i = 1; i < 5; ++i)
        ASSERT_TRUE(sprite.AddFrame(image.get(), nullptr));
    EXPECT_FALSE(sprite.SetFrame(5));
    EXPECT_FALSE(sprite.SetFrame(-1));
    EXPECT_TRUE(sprite.m_rcUpdate.IsEmpty()); // a refused call marks nothing
    EXPECT_FALSE(sprite.PrevFrame());
    ASSERT_TRUE(sprite.SetFrame(4));
    EXPECT_FALSE(sprite.NextFrame());
    EXPECT_EQ(sprite.m_nCurrentFrame, 4);
    sprite.m_bLoop = TRUE;
    EXPECT_TRUE(sprite.NextFrame());
    EXPECT_EQ(sprite.m_nCurrentFrame, 0);
    EXPECT_TRUE(sprite.PrevFrame());
    EXPECT_EQ(sprite.m_nCurrentFrame, 4);

    for (int i = 5; i < 256; ++i)
        ASSERT_TRUE(sprite.AddFrame(image.get(), nullptr));
    EXPECT_FALSE(sprite.AddFrame(image.get(), &part));
    EXPECT_EQ(sprite.m_nFrameCount, 256);
    EXPECT_EQ(sprite.m_nWidth, 30);
}

// A 4 x 3 picture of pixels 1..12 shown by a sprite at (6, 8) in a 20 x 20 target.
struct DrawFixture
{
    DrawFixture() : picture(MakeRaw(4, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}))
    {
        EXPECT_TRUE(target.Create(20, 20, FALSE));
        sprite.SetTarget(&target);
        sprite.SetPosition(6, 8, 0);
        EXPECT_TRUE(sprite.AddFrame(picture.get(), nullptr));
    }
    WORD At(int x, int y) const { return target.GetPixelWords()[y * 20 + x]; }
    int Changed() const
    {
        return 400 - int(std::count(target.GetPixelWords(), target.GetPixelWords() + 400, 0));
    }

    std::unique_ptr<CMRVImage> picture;
    CMRVImage target;
    CMRVSprite sprite;
};

TEST(MRVSprite, DrawPaintsTheClippedPartFromTheMatchingSourceOffset)
{
    DrawFixture f;
    const CMRVRect clip(7, 9, 100, 100);
    f.sprite.Draw(&clip);
    EXPECT_EQ(f.Changed(), 3 * 2);
    EXPECT_EQ(f.At(7, 9), 6);
    EXPECT_EQ(f.At(9, 10), 12);

    DrawFixture blend;
    blend.sprite.m_nDrawMode = MRVSPRITE_DRAW_BLEND;
    blend.sprite.m_nAlpha = 100;
    blend.sprite.Draw(nullptr);
    EXPECT_EQ(blend.Changed(), 12);
    EXPECT_EQ(blend.At(6, 8), 1);

    DrawFixture wave;
    wave.sprite.m_nDrawMode = MRVSPRITE_DRAW_WAVE;
    g_nWavePhase = -1;
    wave.sprite.Draw(nullptr);
    EXPECT_EQ(g_nWavePhase, 1);
}

TEST(MRVSprite, DrawsNothingWhenHiddenOnlyTouchedOrInAnUnknownMode)
{
    const CMRVRect touching(10, 0, 19, 19); // meets the sprite's right edge only: zero width
    DrawFixture f;
    f.sprite.Draw(&touching);
    f.sprite.m_nDrawMode = 5;
    f.sprite.Draw(nullptr);
    f.sprite.m_nDrawMode = MRVSPRITE_DRAW_COLUMNSHIFT; // the picture has no column table
    f.sprite.Draw(nullptr);
    f.sprite.m_nDrawMode = MRVSPRITE_DRAW_NORMAL;
    f.sprite.SetState(MRVSPRITE_HIDDEN);
    f.sprite.Draw(nullptr);
    EXPECT_EQ(f.Changed(), 0);
}

} // namespace
