// LetterboxTest.cpp: where the picture sits in windows of several sizes in each scaling mode,
// which picture pixel a window point lands on (at whole, fractional and high-DPI scales, in the
// bars and beyond the window), and the first size of a window.
#include "platform/Letterbox.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace
{

using namespace Platform;

TEST(LetterboxTest, EachScalingModeCentresThePicture)
{
    const struct
    {
        ScaleMode eMode;
        int nWidth, nHeight;
        std::array<int, 4> expected; // x, y, width, height
    } cases[] = {
        {SCALE_FIT, 640, 480, {0, 0, 640, 480}},
        {SCALE_FIT, 1440, 1200, {0, 60, 1440, 1080}},
        {SCALE_FIT, 1920, 1080, {240, 0, 1440, 1080}},
        {SCALE_FIT, 1366, 768, {171, 0, 1024, 768}},
        {SCALE_FIT, 1, 1, {0, 0, 1, 0}},
        // Integer: the largest whole multiple, centred; smaller than the picture: as fit.
        {SCALE_INTEGER, 1920, 1080, {320, 60, 1280, 960}},
        {SCALE_INTEGER, 1366, 768, {363, 144, 640, 480}},
        {SCALE_INTEGER, 3840, 2160, {640, 120, 2560, 1920}},
        {SCALE_INTEGER, 600, 450, {0, 0, 600, 450}},
        {SCALE_INTEGER, 500, 480, {0, 52, 500, 375}},
        {SCALE_SMOOTH, 1920, 1080, {240, 0, 1440, 1080}},
    };
    for (const auto& c : cases)
    {
        const PictureRect rect = ComputePictureRect(c.nWidth, c.nHeight, c.eMode);
        EXPECT_EQ((std::array<int, 4>{rect.nX, rect.nY, rect.nWidth, rect.nHeight}), c.expected)
            << ScaleModeName(c.eMode) << " " << c.nWidth << "x" << c.nHeight;
    }
}

// LocateWindowPoint gives the picture pixel under a point, or the nearest edge pixel off the
// picture; MapWindowPointToPicture answers only for points on it and leaves the point alone
// otherwise.
TEST(LetterboxTest, WindowPointsLandOnPicturePixelsOrTheNearestEdge)
{
    const struct
    {
        const char* pszSetting;
        ScaleMode eMode;
        int nWindowW, nWindowH, nDrawW, nDrawH;
        int nX, nY;
        PointPlace ePlace;
        int nPictureX, nPictureY;
    } cases[] = {
        {"1x", SCALE_FIT, 640, 480, 640, 480, 639, 479, POINT_ON_PICTURE, 639, 479},
        // Beyond the window while the pointer is captured: clamped on both axes.
        {"1x", SCALE_FIT, 640, 480, 640, 480, 640, 100, POINT_OFF_PICTURE, 639, 100},
        {"1x", SCALE_FIT, 640, 480, 640, 480, -50, -3, POINT_OFF_PICTURE, 0, 0},
        {"1x", SCALE_FIT, 640, 480, 640, 480, 700, 900, POINT_OFF_PICTURE, 639, 479},
        // 2.25x letterboxed: bars of 60 pixels above and below.
        {"letterbox", SCALE_FIT, 1440, 1200, 1440, 1200, 0, 59, POINT_OFF_PICTURE, 0, 0},
        {"letterbox", SCALE_FIT, 1440, 1200, 1440, 1200, 1, 61, POINT_ON_PICTURE, 0, 0},
        {"letterbox", SCALE_FIT, 1440, 1200, 1440, 1200, 2, 62, POINT_ON_PICTURE, 1, 1},
        {"letterbox", SCALE_FIT, 1440, 1200, 1440, 1200, 1439, 1139, POINT_ON_PICTURE, 639, 479},
        {"letterbox", SCALE_FIT, 1440, 1200, 1440, 1200, 720, 1140, POINT_OFF_PICTURE, 320, 479},
        // 2.25x pillarboxed: bars of 240 pixels left and right.
        {"pillarbox", SCALE_FIT, 1920, 1080, 1920, 1080, 0, 540, POINT_OFF_PICTURE, 0, 240},
        {"pillarbox", SCALE_FIT, 1920, 1080, 1920, 1080, 240, 0, POINT_ON_PICTURE, 0, 0},
        {"pillarbox", SCALE_FIT, 1920, 1080, 1920, 1080, 960, 540, POINT_ON_PICTURE, 320, 240},
        {"pillarbox", SCALE_FIT, 1920, 1080, 1920, 1080, 1679, 1079, POINT_ON_PICTURE, 639, 479},
        {"pillarbox", SCALE_FIT, 1920, 1080, 1920, 1080, 1700, 541, POINT_OFF_PICTURE, 639, 240},
        // High-DPI 2.0: events in window points, drawing in twice as many pixels.
        {"hidpi", SCALE_FIT, 640, 480, 1280, 960, 100, 200, POINT_ON_PICTURE, 100, 200},
        {"hidpi pillarbox", SCALE_FIT, 800, 480, 1600, 960, 79, 0, POINT_OFF_PICTURE, 0, 0},
        {"hidpi pillarbox", SCALE_FIT, 800, 480, 1600, 960, 80, 0, POINT_ON_PICTURE, 0, 0},
        {"hidpi pillarbox", SCALE_FIT, 800, 480, 1600, 960, 719, 479, POINT_ON_PICTURE, 639, 479},
        {"1.6x", SCALE_FIT, 1024, 768, 1024, 768, 100, 50, POINT_ON_PICTURE, 62, 31},
        // 2x at 1920x1080: the picture from (320, 60) to (1599, 1019).
        {"integer", SCALE_INTEGER, 1920, 1080, 1920, 1080, 321, 61, POINT_ON_PICTURE, 0, 0},
        {"integer", SCALE_INTEGER, 1920, 1080, 1920, 1080, 322, 62, POINT_ON_PICTURE, 1, 1},
        {"integer", SCALE_INTEGER, 1920, 1080, 1920, 1080, 1599, 1019, POINT_ON_PICTURE, 639, 479},
        {"integer", SCALE_INTEGER, 1920, 1080, 1920, 1080, 319, 500, POINT_OFF_PICTURE, 0, 220},
        {"integer", SCALE_INTEGER, 1920, 1080, 1920, 1080, 1600, 1020, POINT_OFF_PICTURE, 639, 479},
        {"integer hidpi", SCALE_INTEGER, 960, 540, 1920, 1080, 161, 31, POINT_ON_PICTURE, 1, 1},
        {"integer hidpi", SCALE_INTEGER, 960, 540, 1920, 1080, 799, 509, POINT_ON_PICTURE, 639, 479},
        {"integer hidpi", SCALE_INTEGER, 960, 540, 1920, 1080, 159, 30, POINT_OFF_PICTURE, 0, 0},
        // Nothing to map onto.
        {"empty", SCALE_FIT, 0, 480, 0, 480, 5, 5, POINT_NOWHERE, -7, -7},
        {"too small for a picture", SCALE_FIT, 1, 1, 1, 1, 0, 0, POINT_NOWHERE, -7, -7},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.pszSetting << " at " << c.nX << "," << c.nY);
        POINT point = {-7, -7};
        EXPECT_EQ(LocateWindowPoint(c.nWindowW, c.nWindowH, c.nDrawW, c.nDrawH, c.nX, c.nY, c.eMode, &point),
                  c.ePlace);
        EXPECT_EQ(point.x, c.nPictureX);
        EXPECT_EQ(point.y, c.nPictureY);

        POINT mapped = {-7, -7};
        const BOOL bHit =
            MapWindowPointToPicture(c.nWindowW, c.nWindowH, c.nDrawW, c.nDrawH, c.nX, c.nY, &mapped, c.eMode);
        EXPECT_EQ(bHit != FALSE, c.ePlace == POINT_ON_PICTURE);
        EXPECT_EQ(mapped.x, bHit ? c.nPictureX : -7);
    }
}

TEST(LetterboxTest, EveryPixelOfEveryModeMapsBackToItsPicturePixel)
{
    // In each mode and several window sizes, every drawable pixel the picture covers maps to a
    // picture pixel, in order along each axis, and every picture pixel is reached.
    const int sizes[][2] = {{640, 480}, {1024, 768}, {1280, 1024}, {1366, 768}, {1920, 1080}, {500, 400}};
    for (int nMode = 0; nMode < kScaleModeCount; ++nMode)
        for (const auto& size : sizes)
        {
            const ScaleMode eMode = static_cast<ScaleMode>(nMode);
            SCOPED_TRACE(testing::Message() << ScaleModeName(eMode) << " " << size[0]);
            const PictureRect rect = ComputePictureRect(size[0], size[1], eMode);
            std::vector<int> hits(640, 0);
            LONG nLast = 0;
            for (int x = rect.nX; x < rect.nX + rect.nWidth; ++x)
            {
                POINT point;
                ASSERT_TRUE(
                    MapWindowPointToPicture(size[0], size[1], size[0], size[1], x, rect.nY, &point, eMode))
                    << x;
                EXPECT_GE(point.x, nLast);
                nLast = point.x;
                ++hits[static_cast<size_t>(point.x)];
            }
            if (rect.nWidth < 640)
                continue; // scaled down: some columns are skipped by design
            for (int x = 0; x < 640; ++x)
                EXPECT_GE(hits[static_cast<size_t>(x)], 1) << "column " << x;
        }
}

TEST(LetterboxTest, FirstWindowIsTheLargestWholeMultipleThatFitsWithItsFrame)
{
    const struct
    {
        int nUsableW, nUsableH, nFrameW, nFrameH;
        int nWidth, nHeight;
    } cases[] = {
        {1920, 1050, 2, 21, 1280, 960}, // a 1920x1080 desktop with a panel
        {1280, 994, 16, 40, 640, 480},  // 1280x1024: 2x would not leave room for the frame
        {1280, 1024, 0, 0, 1280, 960},  // no frame
        // A 640x480 desktop: 1x would push the buttons off the screen; the largest 4:3 size.
        {640, 480, 16, 40, 584, 438},
        {640, 480, 2, 21, 612, 459},
        {0, 0, 16, 40, 4, 3},
        {800, 600, -5, -5, 640, 480}, // a nonsense frame counts as none
    };
    for (const auto& c : cases)
    {
        const WindowSize size = ChooseWindowSize(c.nUsableW, c.nUsableH, c.nFrameW, c.nFrameH);
        EXPECT_EQ(size.nWidth, c.nWidth) << c.nUsableW << "x" << c.nUsableH;
        EXPECT_EQ(size.nHeight, c.nHeight) << c.nUsableW << "x" << c.nUsableH;
    }
}

} // namespace
