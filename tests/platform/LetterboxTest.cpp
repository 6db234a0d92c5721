// LetterboxTest.cpp: where the picture sits in windows of several sizes and which picture
// pixel a window point lands on, at whole, fractional and high-DPI scales and in the bars.
#include "platform/Letterbox.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

TEST(LetterboxTest, PictureIsCentredWithItsAspectKept)
{
    struct Case
    {
        int nWidth, nHeight;
        Platform::PictureRect expected;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}},   {1440, 1200, {0, 60, 1440, 1080}}, {1920, 1080, {240, 0, 1440, 1080}},
        {1280, 960, {0, 0, 1280, 960}}, {1024, 768, {0, 0, 1024, 768}},    {1366, 768, {171, 0, 1024, 768}},
        {1, 1, {0, 0, 1, 0}},
    };
    for (const Case& c : cases)
    {
        const Platform::PictureRect rect = Platform::ComputePictureRect(c.nWidth, c.nHeight);
        EXPECT_EQ(rect.nX, c.expected.nX) << c.nWidth << "x" << c.nHeight;
        EXPECT_EQ(rect.nY, c.expected.nY) << c.nWidth << "x" << c.nHeight;
        EXPECT_EQ(rect.nWidth, c.expected.nWidth) << c.nWidth << "x" << c.nHeight;
        EXPECT_EQ(rect.nHeight, c.expected.nHeight) << c.nWidth << "x" << c.nHeight;
    }
}

TEST(LetterboxTest, WindowPointsMapToPicturePixelsAndBarsHitNothing)
{
    struct Case
    {
        const char* pszSetting;
        int nWindowW, nWindowH, nDrawW, nDrawH;
        int nX, nY;
        bool bHit;
        int nPictureX, nPictureY;
    };
    const Case cases[] = {
        // 1x.
        {"1x", 640, 480, 640, 480, 0, 0, true, 0, 0},
        {"1x", 640, 480, 640, 480, 639, 479, true, 639, 479},
        {"1x", 640, 480, 640, 480, 320, 240, true, 320, 240},
        {"1x", 640, 480, 640, 480, 640, 0, false, 0, 0},
        {"1x", 640, 480, 640, 480, -1, 5, false, 0, 0},
        // 2.25x letterboxed: bars of 60 pixels above and below.
        {"2.25x letterbox", 1440, 1200, 1440, 1200, 0, 59, false, 0, 0},
        {"2.25x letterbox", 1440, 1200, 1440, 1200, 0, 60, true, 0, 0},
        {"2.25x letterbox", 1440, 1200, 1440, 1200, 1, 61, true, 0, 0},
        {"2.25x letterbox", 1440, 1200, 1440, 1200, 2, 62, true, 1, 1},
        {"2.25x letterbox", 1440, 1200, 1440, 1200, 720, 600, true, 320, 240},
        {"2.25x letterbox", 1440, 1200, 1440, 1200, 1439, 1139, true, 639, 479},
        {"2.25x letterbox", 1440, 1200, 1440, 1200, 1439, 1140, false, 0, 0},
        // 2.25x pillarboxed: bars of 240 pixels left and right.
        {"2.25x pillarbox", 1920, 1080, 1920, 1080, 239, 500, false, 0, 0},
        {"2.25x pillarbox", 1920, 1080, 1920, 1080, 240, 0, true, 0, 0},
        {"2.25x pillarbox", 1920, 1080, 1920, 1080, 960, 540, true, 320, 240},
        {"2.25x pillarbox", 1920, 1080, 1920, 1080, 1679, 1079, true, 639, 479},
        {"2.25x pillarbox", 1920, 1080, 1920, 1080, 1680, 10, false, 0, 0},
        // High-DPI 2.0: events in window points, drawing in twice as many pixels.
        {"hidpi 2.0", 640, 480, 1280, 960, 0, 0, true, 0, 0},
        {"hidpi 2.0", 640, 480, 1280, 960, 100, 200, true, 100, 200},
        {"hidpi 2.0", 640, 480, 1280, 960, 639, 479, true, 639, 479},
        {"hidpi 2.0 pillarbox", 800, 480, 1600, 960, 79, 0, false, 0, 0},
        {"hidpi 2.0 pillarbox", 800, 480, 1600, 960, 80, 0, true, 0, 0},
        {"hidpi 2.0 pillarbox", 800, 480, 1600, 960, 719, 479, true, 639, 479},
        {"hidpi 2.0 pillarbox", 800, 480, 1600, 960, 720, 479, false, 0, 0},
        // 1.6x (a 1024x768 desktop).
        {"1.6x", 1024, 768, 1024, 768, 512, 384, true, 320, 240},
        {"1.6x", 1024, 768, 1024, 768, 100, 50, true, 62, 31},
        {"1.6x", 1024, 768, 1024, 768, 1023, 767, true, 639, 479},
        // Nothing to map onto.
        {"empty", 0, 0, 0, 0, 0, 0, false, 0, 0},
    };
    for (const Case& c : cases)
    {
        POINT point = {-7, -7};
        const BOOL bHit =
            Platform::MapWindowPointToPicture(c.nWindowW, c.nWindowH, c.nDrawW, c.nDrawH, c.nX, c.nY, &point);
        EXPECT_EQ(bHit != FALSE, c.bHit) << c.pszSetting << " at " << c.nX << "," << c.nY;
        if (c.bHit)
        {
            EXPECT_EQ(point.x, c.nPictureX) << c.pszSetting << " at " << c.nX << "," << c.nY;
            EXPECT_EQ(point.y, c.nPictureY) << c.pszSetting << " at " << c.nX << "," << c.nY;
        }
        else
        {
            EXPECT_EQ(point.x, -7) << "a miss leaves the point alone";
        }
    }
}

TEST(LetterboxTest, EveryPictureColumnIsReachableAtFractionalScale)
{
    // At 1.6x each picture pixel covers one or two window pixels; none may be skipped.
    std::vector<int> hits(640, 0);
    for (int x = 0; x < 1024; ++x)
    {
        POINT point;
        ASSERT_TRUE(Platform::MapWindowPointToPicture(1024, 768, 1024, 768, x, 0, &point));
        ++hits[static_cast<size_t>(point.x)];
    }
    for (int x = 0; x < 640; ++x)
        EXPECT_GE(hits[static_cast<size_t>(x)], 1) << x;
}

TEST(LetterboxTest, PointsOffThePictureGoToTheNearestEdgePixel)
{
    struct Case
    {
        const char* pszSetting;
        int nWindowW, nWindowH;
        int nX, nY;
        Platform::PointPlace ePlace;
        int nPictureX, nPictureY;
    };
    const Case cases[] = {
        // 1920x1080: bars of 240 pixels left and right.
        {"left bar", 1920, 1080, 0, 540, Platform::POINT_OFF_PICTURE, 0, 240},
        {"left bar edge", 1920, 1080, 239, 0, Platform::POINT_OFF_PICTURE, 0, 0},
        {"first column", 1920, 1080, 240, 0, Platform::POINT_ON_PICTURE, 0, 0},
        {"right bar", 1920, 1080, 1919, 1079, Platform::POINT_OFF_PICTURE, 639, 479},
        {"right bar middle", 1920, 1080, 1700, 541, Platform::POINT_OFF_PICTURE, 639, 240},
        // 1440x1200: bars above and below.
        {"top bar", 1440, 1200, 720, 10, Platform::POINT_OFF_PICTURE, 320, 0},
        {"bottom bar", 1440, 1200, 720, 1199, Platform::POINT_OFF_PICTURE, 320, 479},
        // Beyond the window while the pointer is captured: clamped on both axes.
        {"above left", 640, 480, -50, -3, Platform::POINT_OFF_PICTURE, 0, 0},
        {"below right", 640, 480, 700, 900, Platform::POINT_OFF_PICTURE, 639, 479},
        {"right of window", 640, 480, 640, 100, Platform::POINT_OFF_PICTURE, 639, 100},
        // Nothing to map onto.
        {"empty", 0, 480, 5, 5, Platform::POINT_NOWHERE, -7, -7},
        {"too small for a picture", 1, 1, 0, 0, Platform::POINT_NOWHERE, -7, -7},
    };
    for (const Case& c : cases)
    {
        POINT point = {-7, -7};
        EXPECT_EQ(Platform::LocateWindowPoint(c.nWindowW, c.nWindowH, c.nWindowW, c.nWindowH, c.nX, c.nY,
                                              Platform::SCALE_FIT, &point),
                  c.ePlace)
            << c.pszSetting;
        EXPECT_EQ(point.x, c.nPictureX) << c.pszSetting;
        EXPECT_EQ(point.y, c.nPictureY) << c.pszSetting;
    }
}

} // namespace
