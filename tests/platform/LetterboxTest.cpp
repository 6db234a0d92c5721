// LetterboxTest.cpp: where the picture sits in windows of several sizes in each scaling mode,
// which picture pixel a window point lands on (at whole, fractional and high-DPI scales, in the
// bars and beyond the window), and the first size of a window.
#include "platform/Letterbox.h"

#include <gtest/gtest.h>

#include <string>
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

TEST(LetterboxTest, EachScalingModePlacesThePicture)
{
    using Platform::ScaleMode;
    struct Case
    {
        ScaleMode eMode;
        int nWidth, nHeight;
        Platform::PictureRect expected;
    };
    const Case cases[] = {
        // Integer: the largest whole multiple, centred; no 2.25x.
        {Platform::SCALE_INTEGER, 1920, 1080, {320, 60, 1280, 960}},
        {Platform::SCALE_INTEGER, 1440, 1200, {80, 120, 1280, 960}},
        {Platform::SCALE_INTEGER, 1366, 768, {363, 144, 640, 480}},
        {Platform::SCALE_INTEGER, 1280, 1024, {0, 32, 1280, 960}},
        {Platform::SCALE_INTEGER, 640, 480, {0, 0, 640, 480}},
        {Platform::SCALE_INTEGER, 3840, 2160, {640, 120, 2560, 1920}},
        // Smaller than the picture: as fit.
        {Platform::SCALE_INTEGER, 600, 450, {0, 0, 600, 450}},
        {Platform::SCALE_INTEGER, 500, 480, {0, 52, 500, 375}},
        // Smooth is placed as fit.
        {Platform::SCALE_SMOOTH, 1920, 1080, {240, 0, 1440, 1080}},
        {Platform::SCALE_SMOOTH, 1280, 1024, {0, 32, 1280, 960}},
        {Platform::SCALE_FIT, 1280, 1024, {0, 32, 1280, 960}},
    };
    for (const Case& c : cases)
    {
        const Platform::PictureRect rect = Platform::ComputePictureRect(c.nWidth, c.nHeight, c.eMode);
        const std::string strSetting = std::string(Platform::ScaleModeName(c.eMode)) + " " +
                                       std::to_string(c.nWidth) + "x" + std::to_string(c.nHeight);
        EXPECT_EQ(rect.nX, c.expected.nX) << strSetting;
        EXPECT_EQ(rect.nY, c.expected.nY) << strSetting;
        EXPECT_EQ(rect.nWidth, c.expected.nWidth) << strSetting;
        EXPECT_EQ(rect.nHeight, c.expected.nHeight) << strSetting;
    }
}

TEST(LetterboxTest, IntegerScalingMapsPointsExactly)
{
    struct Case
    {
        int nWindowW, nWindowH, nDrawW, nDrawH;
        int nX, nY;
        Platform::PointPlace ePlace;
        int nPictureX, nPictureY;
    };
    const Case cases[] = {
        // 2x at 1920x1080: the picture from (320, 60) to (1599, 1019).
        {1920, 1080, 1920, 1080, 320, 60, Platform::POINT_ON_PICTURE, 0, 0},
        {1920, 1080, 1920, 1080, 321, 61, Platform::POINT_ON_PICTURE, 0, 0},
        {1920, 1080, 1920, 1080, 322, 62, Platform::POINT_ON_PICTURE, 1, 1},
        {1920, 1080, 1920, 1080, 960, 540, Platform::POINT_ON_PICTURE, 320, 240},
        {1920, 1080, 1920, 1080, 1599, 1019, Platform::POINT_ON_PICTURE, 639, 479},
        {1920, 1080, 1920, 1080, 319, 500, Platform::POINT_OFF_PICTURE, 0, 220},
        {1920, 1080, 1920, 1080, 1600, 1020, Platform::POINT_OFF_PICTURE, 639, 479},
        // High-DPI: a 960x540 window of 1920x1080 pixels; each point covers two pixels.
        {960, 540, 1920, 1080, 160, 30, Platform::POINT_ON_PICTURE, 0, 0},
        {960, 540, 1920, 1080, 161, 31, Platform::POINT_ON_PICTURE, 1, 1},
        {960, 540, 1920, 1080, 799, 509, Platform::POINT_ON_PICTURE, 639, 479},
        {960, 540, 1920, 1080, 159, 30, Platform::POINT_OFF_PICTURE, 0, 0},
    };
    for (const Case& c : cases)
    {
        POINT point = {-7, -7};
        EXPECT_EQ(Platform::LocateWindowPoint(c.nWindowW, c.nWindowH, c.nDrawW, c.nDrawH, c.nX, c.nY,
                                              Platform::SCALE_INTEGER, &point),
                  c.ePlace)
            << c.nWindowW << "x" << c.nWindowH << " at " << c.nX << "," << c.nY;
        EXPECT_EQ(point.x, c.nPictureX) << c.nX << "," << c.nY;
        EXPECT_EQ(point.y, c.nPictureY) << c.nX << "," << c.nY;
    }
}

TEST(LetterboxTest, EveryPixelOfEveryModeMapsBackToItsPicturePixel)
{
    // In each mode and several window sizes, every drawable pixel the picture covers maps to a
    // picture pixel, in order along each axis, and every picture pixel is reached.
    const int sizes[][2] = {{640, 480}, {1024, 768}, {1280, 1024}, {1366, 768}, {1920, 1080}, {500, 400}};
    for (int nMode = 0; nMode < Platform::kScaleModeCount; ++nMode)
        for (const auto& size : sizes)
        {
            const Platform::ScaleMode eMode = static_cast<Platform::ScaleMode>(nMode);
            const Platform::PictureRect rect = Platform::ComputePictureRect(size[0], size[1], eMode);
            std::vector<int> hits(640, 0);
            LONG nLast = 0;
            for (int x = rect.nX; x < rect.nX + rect.nWidth; ++x)
            {
                POINT point;
                ASSERT_TRUE(Platform::MapWindowPointToPicture(size[0], size[1], size[0], size[1], x, rect.nY,
                                                              &point, eMode))
                    << Platform::ScaleModeName(eMode) << " " << size[0] << " at " << x;
                EXPECT_GE(point.x, nLast);
                nLast = point.x;
                ++hits[static_cast<size_t>(point.x)];
            }
            if (rect.nWidth < 640)
                continue; // scaled down: some columns are skipped by design
            for (int x = 0; x < 640; ++x)
                EXPECT_GE(hits[static_cast<size_t>(x)], 1)
                    << Platform::ScaleModeName(eMode) << " column " << x;
        }
}

TEST(LetterboxTest, FirstWindowIsTheLargestWholeMultipleThatFitsWithItsFrame)
{
    struct Case
    {
        int nUsableW, nUsableH, nFrameW, nFrameH;
        Platform::WindowSize expected;
    };
    const Case cases[] = {
        {1920, 1050, 2, 21, {1280, 960}}, // a 1920x1080 desktop with a panel
        {1280, 994, 16, 40, {640, 480}},  // 1280x1024: 2x would not leave room for the frame
        {1280, 1024, 0, 0, {1280, 960}},  // no frame
        {3840, 2130, 2, 30, {2560, 1920}},
        {1024, 768, 16, 40, {640, 480}},
        // A 640x480 desktop: 1x would push the buttons off the screen; the largest 4:3 size.
        {640, 480, 16, 40, {584, 438}},
        {640, 480, 2, 21, {612, 459}},
        {0, 0, 16, 40, {4, 3}},
        {800, 600, -5, -5, {640, 480}}, // a nonsense frame counts as none
    };
    for (const Case& c : cases)
    {
        const Platform::WindowSize size =
            Platform::ChooseWindowSize(c.nUsableW, c.nUsableH, c.nFrameW, c.nFrameH);
        EXPECT_EQ(size.nWidth, c.expected.nWidth) << c.nUsableW << "x" << c.nUsableH;
        EXPECT_EQ(size.nHeight, c.expected.nHeight) << c.nUsableW << "x" << c.nUsableH;
    }
}

} // namespace
