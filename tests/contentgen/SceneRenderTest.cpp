// SceneRenderTest.cpp: frame sets drawn in screen coordinates land at their place in each
// frame, one frame per index, flattened over the screen they are shown on.
#include "art/SceneRender.h"

#include <gtest/gtest.h>

TEST(SceneRender, LayerFramesAreDrawnInScreenCoordinatesAtTheirPlace)
{
    const CCanvas under = RenderScreen(
        [](cairo_t* cr)
        {
            cairo_set_source_rgb(cr, 0, 1, 0);
            cairo_paint(cr);
        });
    ASSERT_EQ(under.Width(), SCREEN_WIDTH);
    ASSERT_EQ(under.Height(), SCREEN_HEIGHT);

    // Frame i holds one red pixel at screen (12 + i, 21); the layer sits at (10, 20).
    const std::vector<CCanvas> frames = RenderLayers(under, LayoutPoint{10, 20}, LayerSize{8, 4}, 2,
                                                     [](cairo_t* cr, int i)
                                                     {
                                                         cairo_rectangle(cr, 12 + i, 21, 1, 1);
                                                         cairo_set_source_rgb(cr, 1, 0, 0);
                                                         cairo_fill(cr);
                                                     });
    ASSERT_EQ(frames.size(), 2u);
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ(frames[i].Width(), 8);
        EXPECT_EQ(frames[i].Height(), 4);
        EXPECT_EQ(frames[i].Pixel(2 + i, 1), 0xFFFF0000u) << "frame " << i;
        EXPECT_EQ(frames[i].Pixel(3 - i, 1), 0u) << "frame " << i; // the other frame's pixel
        EXPECT_EQ(frames[i].Pixel(0, 0), 0u) << "frame " << i;
    }
}
