// CanvasTest.cpp: flattening a transparent sprite over what lies under it, and crops. (That
// equal pixels encode to equal bytes is part of content_determinism.)
#include "Canvas.h"

#include <gtest/gtest.h>

namespace
{
CCanvas Filled(int w, int h, uint32_t dwArgb)
{
    CCanvas canvas(w, h);
    canvas.BeginAccess();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            canvas.Row(y)[x] = dwArgb;
    canvas.EndAccess();
    return canvas;
}
} // namespace

TEST(Canvas, FlattenOverKeepsCoveredPixelsOpaqueOverTheUnderlayAtTheSpritePosition)
{
    // Premultiplied layer pixels over a blue underlay with one green pixel at x = 2.
    struct Case
    {
        uint32_t dwLayer;
        int x;
        uint32_t dwExpected; // 0: transparent
    };
    const Case cases[] = {
        {0xFFFF0000u, 1, 0xFFFF0000u}, // opaque red stays red
        {0x00000000u, 1, 0x00000000u}, // clear stays clear
        {0x40400000u, 1, 0x00000000u}, // a quarter covered: below the threshold, clear
        {0x80800000u, 1, 0xFF80007Fu}, // half red over blue: blended and made opaque
        {0x80000000u, 2, 0xFF007F00u}, // half black over the green pixel
    };
    CCanvas under = Filled(4, 1, 0xFF0000FFu);
    under.SetPixel(2, 0, 0xFF00FF00u);
    for (const Case& c : cases)
    {
        CCanvas layer = Filled(1, 1, c.dwLayer);
        EXPECT_EQ(FlattenOver(layer, under, c.x, 0).Pixel(0, 0), c.dwExpected) << std::hex << c.dwLayer;
    }
}

TEST(Canvas, CropOutsideTheCanvasIsTransparent)
{
    const CCanvas canvas = Filled(2, 2, 0xFF112233u);
    const CCanvas crop = canvas.Crop(1, 1, 2, 2);
    EXPECT_EQ(crop.Pixel(0, 0), 0xFF112233u);
    EXPECT_EQ(crop.Pixel(1, 1), 0u);
    EXPECT_DOUBLE_EQ(crop.TransparentShare(), 0.75);
    EXPECT_FALSE(crop.IsOpaque());
    EXPECT_TRUE(canvas.IsOpaque());
}
