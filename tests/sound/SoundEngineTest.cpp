// SoundEngineTest.cpp: the engine's life, its failure paths and traces, and whole-loaded sounds.
#include "SoundTestSupport.h"

using namespace SoundTest;

namespace
{

const char* const kLocateText =
    "Error: Attempt to access sound that could not be found in the sound list, failure in "
    "CMRVSoundEngine::LocateSoundElement.";
const char* const kInitText = "Error: Failed to init sound object in CMRVSoundEngine::InitSoundObject";

class SoundEngineTest : public EngineFixture
{
protected:
    CMRVSoundObject* AddWhole(const std::string& strPath)
    {
        CMRVSoundObject* pSound = g_pSoundEngine->AddSoundObject();
        pSound->SetFileName(strPath.c_str());
        return pSound;
    }
};

TEST_F(SoundEngineTest, CreateTwiceKeepsTheFirstEngine)
{
    EXPECT_TRUE(CreateSoundEngine());
    CMRVSoundEngine* pFirst = g_pSoundEngine;
    ASSERT_NE(pFirst, nullptr);
    EXPECT_FALSE(CreateSoundEngine());
    EXPECT_EQ(g_pSoundEngine, pFirst);
    DestroySoundEngine();
    EXPECT_EQ(g_pSoundEngine, nullptr);
    DestroySoundEngine(); // nothing to destroy: no effect
}

// Without a device the engine stays in place, every sound call returns 0 and traces nothing.
void ExpectSilentEngine(CMRVSoundEngine& engine, Trace::CaptureTraceSink& trace, const std::string& strPath)
{
    const size_t nTraces = trace.Messages().size();
    CMRVSoundObject* pWhole = engine.AddSoundObject();
    CMRVSoundObject* pStream = engine.AddStreamingSoundObject();
    ASSERT_NE(pWhole, nullptr);
    ASSERT_NE(pStream, nullptr);
    pWhole->SetFileName(strPath.c_str());
    pStream->SetFileName(strPath.c_str());
    EXPECT_FALSE(engine.InitSoundObject(pWhole));
    EXPECT_FALSE(engine.InitStreamingSoundObject(pStream));
    EXPECT_FALSE(engine.PlaySound(pWhole, FALSE));
    EXPECT_FALSE(engine.PlaySound(pStream, TRUE));
    EXPECT_FALSE(engine.IsSoundPlaying(pStream));
    EXPECT_FALSE(engine.StopSound(pWhole));
    engine.RemoveSoundObject(pWhole);
    engine.RemoveSoundObject(pStream);
    EXPECT_EQ(trace.Messages().size(), nTraces);
}

// With no backend, or a device that will not open, the game goes on without sound.
TEST_F(SoundEngineTest, NoDeviceMeansASilentGame)
{
    for (bool bNoBackend : {true, false})
    {
        SCOPED_TRACE(bNoBackend ? "no backend" : "device fails to open");
        m_Trace.Clear();
        Platform::CScopedBackend scope(Bundle(bNoBackend ? nullptr : &m_Audio));
        m_Audio.SetOpenFails(TRUE);
        EXPECT_FALSE(StartEngine());
        EXPECT_EQ(TraceCount("Unable to create Sound Manager in MRVSoundEngine\n"), 1u);
        EXPECT_FALSE(g_pSoundEngine->IsReady());
        ExpectSilentEngine(*g_pSoundEngine, m_Trace, WriteSamples("a.mrs", TestSamples(100)));
        EXPECT_FALSE(m_Audio.IsDeviceOpen());
        DestroySoundEngine();
    }
}

TEST_F(SoundEngineTest, UnknownSoundIsTracedByEveryCallButRemoveAndWholeSoundDoesNotStream)
{
    ASSERT_TRUE(StartEngine());
    CMRVSoundEngine other;
    CMRVSoundObject* pStranger = other.AddSoundObject();
    EXPECT_FALSE(g_pSoundEngine->PlaySound(pStranger, TRUE));
    EXPECT_FALSE(g_pSoundEngine->StopSound(pStranger));
    EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pStranger));
    EXPECT_FALSE(g_pSoundEngine->InitSoundObject(pStranger));
    EXPECT_EQ(TraceCount(kLocateText), 4u);
    EXPECT_FALSE(g_pSoundEngine->InitStreamingSoundObject(pStranger));
    EXPECT_EQ(TraceCount(kLocateText), 5u);
    EXPECT_EQ(TraceCount("Error: Failed to init sound object in CMRVSoundEngine::InitStreamingSoundObject"),
              1u);
    const size_t nTraces = m_Trace.Messages().size();
    g_pSoundEngine->RemoveSoundObject(pStranger);
    EXPECT_EQ(m_Trace.Messages().size(), nTraces);

    // A whole-loaded sound of this engine is refused a streaming set-up.
    EXPECT_FALSE(g_pSoundEngine->InitStreamingSoundObject(AddWhole(WriteSamples("a.mrs", TestSamples(100)))));
    EXPECT_EQ(
        TraceCount(
            "Error: pElement->m_pStreamingSound not valid in CMRVSoundEngine::InitStreamingSoundObject"),
        1u);
}

TEST_F(SoundEngineTest, UninitialisedSoundPlaysNothingAndReportsSuccess)
{
    ASSERT_TRUE(StartEngine());
    CMRVSoundObject* pSound = g_pSoundEngine->AddSoundObject();
    EXPECT_TRUE(g_pSoundEngine->PlaySound(pSound, FALSE));
    EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pSound));
    EXPECT_TRUE(g_pSoundEngine->StopSound(pSound));
    EXPECT_TRUE(m_Observer.Lines().empty());
}

// Missing, empty, short and unplayable files, whole-loaded and streamed: the set-up fails (a
// whole sound traces it, a missing stream names its file once), play stays silent and the
// removal is quiet.
TEST_F(SoundEngineTest, BrokenFilesFailTheSetUpAndStaySilent)
{
    ASSERT_TRUE(StartEngine());
    const std::vector<BYTE> header = SoundFileBytes(kOutputFormat, {});
    const struct
    {
        const char* pszName;
        std::vector<BYTE> bytes; // empty for "missing": not written
        bool bStreamed;          // also refused as a stream (a stream of no data just ends)
    } files[] = {
        {"missing", {}, true},
        {"empty", {}, true},
        {"short", std::vector<BYTE>(header.begin(), header.begin() + 25), true},
        {"no data", header, false},
        {"12 bits", SoundFileBytes(PcmFormat(1, 22050, 12), SampleBytes(TestSamples(100))), true},
        {"3 channels", SoundFileBytes(PcmFormat(3, 22050, 16), SampleBytes(TestSamples(100))), true},
    };
    for (bool bStream : {false, true})
        for (const auto& file : files)
        {
            if (bStream && !file.bStreamed)
                continue;
            SCOPED_TRACE(std::string(file.pszName) + (bStream ? " streamed" : " whole"));
            const std::string strPath = (m_Folder / file.pszName).string();
            const bool bMissing = std::string(file.pszName) == "missing";
            if (!bMissing)
                WriteFile(file.pszName, file.bytes);
            m_Trace.Clear();
            CMRVSoundObject* pSound =
                bStream ? g_pSoundEngine->AddStreamingSoundObject() : g_pSoundEngine->AddSoundObject();
            pSound->SetFileName(strPath.c_str());
            if (bStream)
            {
                EXPECT_FALSE(g_pSoundEngine->InitStreamingSoundObject(pSound));
                EXPECT_FALSE(g_pSoundEngine->IsStreamingThreadRunning(pSound));
                EXPECT_EQ(TraceCount("Unable to open " + strPath + " in CMRVStreamingSound object"),
                          bMissing ? 1u : 0u);
            }
            else
            {
                EXPECT_FALSE(g_pSoundEngine->InitSoundObject(pSound));
                EXPECT_EQ(TraceCount(kInitText), 1u);
            }
            EXPECT_TRUE(g_pSoundEngine->PlaySound(pSound, !bStream));
            AdvanceMs(100);
            EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pSound));
            const size_t nTraces = m_Trace.Messages().size();
            g_pSoundEngine->RemoveSoundObject(pSound);
            EXPECT_EQ(m_Trace.Messages().size(), nTraces); // no shut-down warning
        }
}

// Playing a playing sound goes on from where it is; a stopped one resumes; a finished one
// starts over.
TEST_F(SoundEngineTest, StoppedSoundResumesAndFinishedSoundStartsOver)
{
    ASSERT_TRUE(StartEngine());
    const std::vector<int16_t> samples = TestSamples(2205, 8);
    const std::string strPath = WriteSamples("click.mrs", samples);
    CMRVSoundObject* pSound = AddWhole(strPath);
    ASSERT_TRUE(g_pSoundEngine->InitSoundObject(pSound));
    g_pSoundEngine->PlaySound(pSound, FALSE);
    AdvanceMs(30);
    g_pSoundEngine->PlaySound(pSound, FALSE);
    AdvanceMs(20);
    EXPECT_TRUE(g_pSoundEngine->StopSound(pSound));
    AdvanceMs(50); // silence while stopped
    g_pSoundEngine->PlaySound(pSound, FALSE);
    AdvanceMs(200);
    EXPECT_FALSE(g_pSoundEngine->IsSoundPlaying(pSound));
    g_pSoundEngine->PlaySound(pSound, FALSE);
    AdvanceMs(200);

    std::vector<int16_t> heard;
    for (int16_t nSample : m_Audio.GetCaptured())
    {
        if (nSample != 0)
            heard.push_back(nSample);
    }
    std::vector<int16_t> expected = samples;
    expected.insert(expected.end(), samples.begin(), samples.end());
    EXPECT_EQ(heard, expected);
    const std::vector<std::string> lines = m_Observer.Lines();
    EXPECT_EQ(lines, (std::vector<std::string>{"play " + strPath + " once", "play " + strPath + " once",
                                               "stop " + strPath, "play " + strPath + " once",
                                               "play " + strPath + " once"}));
}

TEST_F(SoundEngineTest, LostStaticBufferIsReloadedFromItsFile)
{
    ASSERT_TRUE(StartEngine());
    const std::vector<int16_t> samples = TestSamples(4410, 10);
    CMRVSoundObject* pSound = AddWhole(WriteSamples("a.mrs", samples));
    ASSERT_TRUE(g_pSoundEngine->InitSoundObject(pSound));
    m_Audio.LoseAllBuffers();
    EXPECT_TRUE(g_pSoundEngine->PlaySound(pSound, FALSE));
    EXPECT_EQ(TraceCount("Error: DSBSTATUS_BUFFERLOST in CMRVSoundEngine::CheckForLostBuffers"), 1u);
    AdvanceMs(300);
    EXPECT_TRUE(OutputStartsWith(samples));
}

TEST_F(SoundEngineTest, SoundsOfMixedFormatsPlayTogether)
{
    ASSERT_TRUE(StartEngine());
    std::vector<BYTE> quiet8(11025, 0x90); // 8-bit mono at 11,025 Hz: +16 * 256
    std::vector<BYTE> loud16 =
        SampleBytes(std::vector<int16_t>(44100 * 2, 1000)); // 16-bit stereo at 44,100 Hz
    CMRVSoundObject* pFirst = AddWhole(WriteFile("a.mrs", SoundFileBytes(PcmFormat(1, 11025, 8), quiet8)));
    CMRVSoundObject* pSecond = AddWhole(WriteFile("b.mrs", SoundFileBytes(PcmFormat(2, 44100, 16), loud16)));
    ASSERT_TRUE(g_pSoundEngine->InitSoundObject(pFirst));
    ASSERT_TRUE(g_pSoundEngine->InitSoundObject(pSecond));
    g_pSoundEngine->PlaySound(pFirst, FALSE);
    g_pSoundEngine->PlaySound(pSecond, FALSE);
    AdvanceMs(500);
    const std::vector<int16_t>& out = m_Audio.GetCaptured();
    ASSERT_GE(out.size(), 1000u);
    EXPECT_EQ(out[100], 16 * 256 + 1000);
    EXPECT_EQ(out[999], 16 * 256 + 1000);
}

} // namespace
