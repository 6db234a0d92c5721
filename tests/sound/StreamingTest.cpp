// StreamingTest.cpp: streamed and whole-loaded sounds through the engine on the headless
// device, checked sample for sample, and the end and removal of streaming workers.
#include "SoundTestSupport.h"

#include <chrono>

using namespace SoundTest;

namespace
{

class StreamingTest : public EngineFixture
{
protected:
    CMRVSoundObject* StartStream(const std::string& strPath)
    {
        CMRVSoundObject* pSound = g_pSoundEngine->AddStreamingSoundObject();
        pSound->SetFileName(strPath.c_str());
        EXPECT_TRUE(g_pSoundEngine->InitStreamingSoundObject(pSound));
        EXPECT_TRUE(g_pSoundEngine->PlaySound(pSound, TRUE));
        return pSound;
    }

    // The output holds exactly the samples from frame nFrom on, and silence after them.
    void ExpectExactOutput(const std::vector<int16_t>& samples, size_t nFrom = 0)
    {
        ASSERT_TRUE(OutputStartsWith(samples, nFrom));
        const std::vector<int16_t>& out = m_Audio.GetCaptured();
        const size_t nLoud = static_cast<size_t>(
            std::count_if(out.begin() + static_cast<std::ptrdiff_t>(nFrom + samples.size()), out.end(),
                          [](int16_t n) { return n != 0; }));
        EXPECT_EQ(nLoud, 0u) << "samples after the end of the sound";
    }
};

class StreamLengthTest : public StreamingTest, public ::testing::WithParamInterface<StreamCase>
{
};

TEST_P(StreamLengthTest, StreamedFileComesOutSampleForSampleThenSilence)
{
    ASSERT_TRUE(StartEngine());
    const std::vector<int16_t> samples = TestSamples(GetParam().nDataBytes / 2, 7);
    CMRVSoundObject* pSound = StartStream(WriteSamples("stream.mrs", samples));

    const DWORD dwPlayMs = static_cast<DWORD>(samples.size() * 1000 / 22050);
    const DWORD dwTaken = AdvanceUntilSilent(pSound, dwPlayMs + 3000);
    EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pSound));
    // The stream stops soon after its last sample, not a buffer's length later; a file that
    // fits the buffer is found exhausted when the cursor first enters the second half.
    EXPECT_LE(dwTaken, std::max<DWORD>(dwPlayMs, 726) + 100);
    AdvanceMs(500);
    ExpectExactOutput(samples);
    EXPECT_FALSE(g_pSoundEngine->IsStreamingThreadRunning(pSound));
    const std::vector<std::string> lines = m_Observer.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "end " + (m_Folder / "stream.mrs").string());
    g_pSoundEngine->RemoveSoundObject(pSound);
    EXPECT_EQ(m_Trace.Messages().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, StreamLengthTest, ::testing::ValuesIn(kStreamCases),
                         [](const ::testing::TestParamInfo<StreamCase>& caseInfo)
                         { return caseInfo.param.pszName; });

// A whole-loaded sound plays its data length, or what the file holds when that is less.
TEST_F(StreamingTest, WholeLoadedSoundPlaysExactlyItsDataLength)
{
    ASSERT_TRUE(StartEngine());
    for (bool bLengthPastTheEnd : {false, true})
    {
        SCOPED_TRACE(bLengthPastTheEnd ? "data length past the end" : "three samples after the data length");
        const size_t nFrom = m_Audio.GetCaptured().size();
        const std::vector<int16_t> samples = TestSamples(30000, 3);
        std::vector<BYTE> data = SampleBytes(samples);
        const std::vector<BYTE> extra = SampleBytes(TestSamples(3, 9));
        if (!bLengthPastTheEnd)
            data.insert(data.end(), extra.begin(), extra.end());
        const int64_t nLengthField = bLengthPastTheEnd ? (1 << 30) : static_cast<int64_t>(samples.size() * 2);
        CMRVSoundObject* pSound = g_pSoundEngine->AddSoundObject();
        pSound->SetFileName(
            WriteFile("whole.mrs", SoundFileBytes(kOutputFormat, data, nLengthField)).c_str());
        ASSERT_TRUE(g_pSoundEngine->InitSoundObject(pSound));
        ASSERT_TRUE(g_pSoundEngine->PlaySound(pSound, FALSE));
        AdvanceMs(2000);
        EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pSound));
        ExpectExactOutput(samples, nFrom);
        g_pSoundEngine->RemoveSoundObject(pSound);
    }
}

// Removing a stream in the middle ends its worker at once, without an end report (the file
// had not run out); destroying the engine ends the others.
TEST_F(StreamingTest, RemovalAndDestructionEndTheWorkers)
{
    ASSERT_TRUE(StartEngine());
    CMRVSoundObject* pFirst = StartStream(WriteSamples("a.mrs", TestSamples(22050 * 8, 1)));
    CMRVSoundObject* pSecond = StartStream(WriteSamples("b.mrs", TestSamples(22050 * 8, 2)));
    AdvanceMs(2000);
    ASSERT_TRUE(g_pSoundEngine->IsSoundPlaying(pFirst));
    ASSERT_TRUE(g_pSoundEngine->IsStreamingThreadRunning(pFirst));
    ASSERT_TRUE(g_pSoundEngine->IsStreamingThreadRunning(pSecond));

    const auto start = std::chrono::steady_clock::now();
    g_pSoundEngine->RemoveSoundObject(pFirst);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 100);
    EXPECT_EQ(m_Observer.Lines().size(), 2u); // the two plays
    DestroySoundEngine();
    EXPECT_EQ(g_pSoundEngine, nullptr);
    EXPECT_EQ(m_Trace.Messages().size(), 0u);
    EXPECT_FALSE(m_Audio.IsDeviceOpen());
}

TEST_F(StreamingTest, LostStreamingBufferIsRestoredAndTheStreamGoesOn)
{
    ASSERT_TRUE(StartEngine());
    const std::vector<int16_t> samples = TestSamples(22050 * 4, 5);
    CMRVSoundObject* pSound = StartStream(WriteSamples("lost.mrs", samples));
    AdvanceMs(1000);
    m_Audio.LoseAllBuffers();
    EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pSound));
    EXPECT_TRUE(g_pSoundEngine->PlaySound(pSound, TRUE));
    EXPECT_EQ(TraceCount("Error: DSBSTATUS_BUFFERLOST in CMRVSoundEngine::CheckForLostBuffers"), 1u);
    EXPECT_TRUE(g_pSoundEngine->IsSoundPlaying(pSound));
    AdvanceUntilSilent(pSound, 10000);
    EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pSound));
    EXPECT_FALSE(g_pSoundEngine->IsStreamingThreadRunning(pSound));
    // The last chunk of the file was still heard.
    const std::vector<int16_t>& out = m_Audio.GetCaptured();
    const std::vector<int16_t> tail(samples.end() - 1000, samples.end());
    EXPECT_NE(std::search(out.begin(), out.end(), tail.begin(), tail.end()), out.end());
}

// A file that loses its end while it is streamed ends the stream where the bytes stop.
TEST_F(StreamingTest, FileCutShortWhileStreamingEndsTheStreamThere)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows refuses to cut a file that the stream holds open without sharing";
#endif
    ASSERT_TRUE(StartEngine());
    const std::vector<int16_t> samples = TestSamples(22050 * 5, 12);
    const std::string strPath = WriteSamples("cut.mrs", samples);
    CMRVSoundObject* pSound = StartStream(strPath);
    AdvanceMs(1000); // the first three chunks have been read
    std::filesystem::resize_file(strPath, kSoundHeaderSize + 100000);
    AdvanceUntilSilent(pSound, 10000);
    AdvanceMs(200);
    ExpectExactOutput(std::vector<int16_t>(samples.begin(), samples.begin() + 50000));
    EXPECT_FALSE(g_pSoundEngine->IsStreamingThreadRunning(pSound));
}

} // namespace
