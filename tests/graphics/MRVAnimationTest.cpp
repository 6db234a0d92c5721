// MRVAnimationTest.cpp: loading frame sets built in the test, time stepping on a fake clock,
// and the refusals (frame rate 0, damaged files, frames that do not decode).
#include "GraphicsTestSupport.h"

#include "graphics/MRVAnimation.h"
#include "platform/Backend.h"
#include "trace/TraceSink.h"

using namespace GraphicsTest;

namespace
{

// A distinct pixel for each of six frames.
WORD FramePixel(int nIndex)
{
    static const WORD kPixels[] = {0xFF00, 0x00FF, 0x2030, 0x30FF, 0xFF20, 0x20FF};
    return kPixels[nIndex % 6];
}

class MRVAnimationTest : public testing::Test
{
protected:
    MRVAnimationTest() : m_Scope(Bundle()) {}

    // A set of nFrames 4 x 2 frames, frame i filled with FramePixel(i).
    static std::string WriteFrames(int nFrames, uint16_t nFrameRate)
    {
        std::vector<std::vector<BYTE>> records;
        for (int i = 0; i < nFrames; ++i)
            records.push_back(CompressedRawFrame(4, 2, FramePixel(i)));
        return AssetTest::WriteTempFile(std::to_string(nFrames) + "_frames_at_" + std::to_string(nFrameRate) +
                                            ".mrm",
                                        AssetTest::FrameSet(nFrameRate, records));
    }

    Platform::Backend Bundle()
    {
        Platform::Backend backend;
        backend.pClock = &m_Clock;
        backend.pTraceSink = &m_Trace;
        return backend;
    }

    FakeClock m_Clock;
    Trace::CaptureTraceSink m_Trace;
    Platform::CScopedBackend m_Scope;
};

TEST_F(MRVAnimationTest, LoadDecodesEveryFrameAndConvertsOnlyFor555)
{
    const std::string strPath = WriteFrames(3, 4);
    CMRVAnimation animation;
    ASSERT_TRUE(animation.Load(strPath.c_str(), 0xF800, 0x07E0, 0x001F));
    EXPECT_EQ(animation.m_nFrameCount, 3);
    EXPECT_EQ(animation.m_nFramePeriod, 250);
    EXPECT_EQ(animation.m_nWidth, 4);
    EXPECT_EQ(animation.m_nHeight, 2);
    for (int i = 0; i < 3; ++i)
    {
        const CMRVImage* pFrame = animation.m_Frames[i].pImage;
        ASSERT_EQ(pFrame, &animation.m_pFrames[i]);
        EXPECT_FALSE(pFrame->IsCompressed());
        EXPECT_EQ(pFrame->GetPixelWords()[7], FramePixel(i));
    }

    CMRVAnimation converted;
    ASSERT_TRUE(converted.Load(strPath.c_str(), 0x7C00, 0x03E0, 0x001F));
    EXPECT_EQ(converted.m_pFrames[0].GetPixelWords()[0], 0x7F80); // 0xFF00: red down, top of green
    EXPECT_EQ(converted.m_pFrames[1].GetPixelWords()[0], 0x007F); // 0x00FF: blue kept

    CMRVAnimation other;
    ASSERT_TRUE(other.Load(strPath.c_str(), 0x001F, 0x07E0, 0xF800)); // neither 565 nor 555: left as stored
    EXPECT_EQ(other.m_pFrames[0].GetPixelWords()[0], 0xFF00);
}

TEST_F(MRVAnimationTest, UpdateStepsOnlyAfterMoreThanAPeriod)
{
    const std::string strPath = WriteFrames(5, 2); // 500 ms a frame
    m_Clock.m_dwNow = 10000;
    CMRVAnimation animation;
    ASSERT_TRUE(animation.Load(strPath.c_str(), 0xF800, 0x07E0, 0x001F));
    // Not at 499 or 500 ms; at 1250 ms two whole periods, the extra 250 ms dropped (so 1750 ms
    // is not yet a third).
    const struct
    {
        DWORD dwNow;
        LONG nFrame;
    } kSteps[] = {{10499, 0}, {10500, 0}, {11250, 2}, {11750, 2}};
    for (const auto& step : kSteps)
    {
        m_Clock.m_dwNow = step.dwNow;
        animation.Update();
        EXPECT_EQ(animation.m_nCurrentFrame, step.nFrame) << step.dwNow;
    }
}

TEST_F(MRVAnimationTest, UpdateStartsOverAfterLastFrameWithoutLoop)
{
    const std::string strPath = WriteFrames(5, 10);
    CMRVAnimation animation;
    ASSERT_TRUE(animation.Load(strPath.c_str(), 0xF800, 0x07E0, 0x001F));
    ASSERT_TRUE(animation.SetFrame(4));
    EXPECT_FALSE(animation.NextFrame());
    m_Clock.m_dwNow += 101;
    animation.Update();
    EXPECT_EQ(animation.m_nCurrentFrame, 0);

    // A very long pause lands on the same frame as stepping one by one would.
    animation.SetFrameRate(1000);
    m_Clock.m_dwNow += 0x40000003; // steps = 0x40000003; 0x40000003 % 5 == 2
    animation.Update();
    EXPECT_EQ(animation.m_nCurrentFrame, static_cast<LONG>(0x40000003u % 5));
}

TEST_F(MRVAnimationTest, FrameRateZeroIsRefused)
{
    CMRVAnimation animation;
    EXPECT_FALSE(animation.Load(WriteFrames(2, 0).c_str(), 0xF800, 0x07E0, 0x001F));
    EXPECT_EQ(animation.m_nFrameCount, 0);
    EXPECT_NE(m_Trace.Text().find("CMRVAnimation::Load"), std::string::npos);

    ASSERT_TRUE(animation.Load(WriteFrames(2, 4).c_str(), 0xF800, 0x07E0, 0x001F));
    m_Trace.Clear();
    animation.SetFrameRate(0);
    EXPECT_EQ(animation.m_nFramePeriod, 250);
    EXPECT_NE(m_Trace.Text().find("CMRVAnimation::SetFrameRate"), std::string::npos);
    animation.SetFrameRate(13);
    EXPECT_EQ(animation.m_nFramePeriod, 76); // truncated, not rounded
    animation.SetFrameRate(5000);
    EXPECT_EQ(animation.m_nFramePeriod, 1); // never 0
    m_Clock.m_dwNow += 10;
    animation.Update();
}

TEST_F(MRVAnimationTest, SecondLoadReleasesTheFirstFrames)
{
    CMRVAnimation animation;
    ASSERT_TRUE(animation.Load(WriteFrames(4, 4).c_str(), 0xF800, 0x07E0, 0x001F));
    ASSERT_TRUE(animation.SetFrame(3));
    animation.SetPosition(10, 10, 0);
    ASSERT_TRUE(animation.Load(WriteFrames(2, 8).c_str(), 0xF800, 0x07E0, 0x001F));
    EXPECT_EQ(animation.m_nFrameCount, 2);
    EXPECT_EQ(animation.m_nCurrentFrame, 0);
    EXPECT_EQ(animation.m_nFramePeriod, 125);
    EXPECT_EQ(animation.m_Frames[1].pImage, &animation.m_pFrames[1]);
    EXPECT_EQ(animation.m_Frames[2].pImage, nullptr);
    EXPECT_EQ(animation.m_pFrames[1].GetPixelWords()[0], FramePixel(1));

    // A failed load leaves no frames at all.
    EXPECT_FALSE(animation.Load("/nonexistent/graphics/none.mrm", 0xF800, 0x07E0, 0x001F));
    EXPECT_EQ(animation.m_nFrameCount, 0);
    EXPECT_EQ(animation.m_pFrames, nullptr);
}

TEST_F(MRVAnimationTest, FrameThatFailsToDecodeIsAddedButDrawsNothing)
{
    std::vector<std::vector<BYTE>> records = {CompressedRawFrame(4, 2, FramePixel(0))};
    // Bytes that are not a valid stream (code 274 or more at once) for a raw 4 x 2 picture.
    records.push_back(MakeRecord(MRVIMAGE_COMPRESSED | MRVIMAGE_RAW, 4, 2, {0xFF, 0xFF, 0xFF, 0xFF}, 16));
    CMRVAnimation animation;
    ASSERT_TRUE(
        animation.Load(AssetTest::WriteTempFile("undecodable.mrm", AssetTest::FrameSet(5, records)).c_str(),
                       0xF800, 0x07E0, 0x001F));
    EXPECT_EQ(animation.m_nFrameCount, 2);
    EXPECT_TRUE(animation.m_pFrames[1].IsCompressed());

    CMRVImage target;
    ASSERT_TRUE(target.Create(4, 4, FALSE));
    animation.SetTarget(&target);
    animation.SetPosition(1, 1, 0);
    ASSERT_TRUE(animation.SetFrame(1));
    animation.Draw(nullptr);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(target.GetPixelWords()[i], 0) << "pixel " << i;
    ASSERT_TRUE(animation.SetFrame(0));
    animation.Draw(nullptr);
    EXPECT_EQ(target.GetPixelWords()[5], FramePixel(0));
    EXPECT_EQ(target.GetPixelWords()[11], FramePixel(0));
    EXPECT_EQ(target.GetPixelWords()[15], 0);
}

TEST_F(MRVAnimationTest, DamagedFilesFailToLoad)
{
    const std::vector<BYTE> good = AssetTest::FrameSet(5, {CompressedRawFrame(4, 2, FramePixel(0))});
    std::vector<BYTE> truncated(good.begin(), good.end() - 3);
    const BYTE kEndOnly[] = {2, 0, 0, 0, 0, 0};
    // A frame asking for 1 GB of decoded pixels from a few bytes.
    std::vector<BYTE> huge =
        AssetTest::FrameSet(5, {MakeRecord(MRVIMAGE_COMPRESSED | MRVIMAGE_RUNCODED, 8, 8,
                                           MRVEncoder::Encode(kEndOnly, sizeof(kEndOnly)), 1u << 30)});
    for (const std::vector<BYTE>& bytes : {truncated, huge})
    {
        CMRVAnimation animation;
        EXPECT_FALSE(
            animation.Load(AssetTest::WriteTempFile("damaged.mrm", bytes).c_str(), 0xF800, 0x07E0, 0x001F));
        EXPECT_EQ(animation.m_nFrameCount, 0);
    }
    EXPECT_NE(m_Trace.Text().find("Frame too large"), std::string::npos);
}

} // namespace
