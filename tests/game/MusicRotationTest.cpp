// The music rotation in-process: the choice of the next track and what happens to the track
// that has ended.
#include "game/MusicRotation.h"
#include "game/layout/SceneMusic.h"
#include "platform/Backend.h"
#include "platform/headless/HeadlessAudioDevice.h"
#include "platform/headless/HeadlessClock.h"
#include "sound/MRVSoundEngine.h"
#include "trace/TraceSink.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

TEST(MusicRotation, RepeatsTheLastTrackOnlyOnTwoMatchingDraws)
{
    // A repeat needs two draws of the last track in a row (1 in 9); the others share the rest.
    constexpr int kDraws = 9000;
    for (int nLast = 0; nLast < SceneMusic::nTrackCount; ++nLast)
    {
        SCOPED_TRACE(nLast);
        std::srand(7);
        int anCounts[SceneMusic::nTrackCount] = {};
        for (int i = 0; i < kDraws; ++i)
        {
            const int nTrack = PickMusicTrack(nLast);
            ASSERT_TRUE(nTrack >= 0 && nTrack < SceneMusic::nTrackCount);
            ++anCounts[nTrack];
        }
        for (int nTrack = 0; nTrack < SceneMusic::nTrackCount; ++nTrack)
        {
            const int nExpected = nTrack == nLast ? kDraws / 9 : kDraws * 4 / 9;
            EXPECT_NEAR(anCounts[nTrack], nExpected, kDraws / 30) << "track " << nTrack;
        }
    }
}

class MusicRotationWithEngine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateSoundEngine());
        ASSERT_TRUE(g_pSoundEngine->Init(reinterpret_cast<HWND>(this)));
    }
    void TearDown() override { DestroySoundEngine(); }

    Platform::Backend Bundle()
    {
        Platform::Backend backend;
        backend.pAudio = &m_Audio;
        backend.pClock = &m_Clock;
        backend.pTraceSink = &m_Trace;
        return backend;
    }

    Platform::CVirtualClock m_Clock;
    Platform::CHeadlessAudio m_Audio{m_Clock};
    Trace::CaptureTraceSink m_Trace;
    Platform::CScopedBackend m_Scope{Bundle()};
};

// The sound engine still knows pSound (it compares handles, never follows a removed one).
bool EngineKnows(CMRVSoundObject* pSound, Trace::CaptureTraceSink& trace)
{
    trace.Clear();
    g_pSoundEngine->StopSound(pSound);
    return trace.Text().find("could not be found") == std::string::npos;
}

TEST_F(MusicRotationWithEngine, EachNewTrackReplacesTheFinishedOneInTheEngine)
{
    CMRVSoundObject* pMusic = StartStreamedSound(SceneMusic::apszTracks[MUSIC_FIRST_TRACK]);
    ASSERT_NE(pMusic, nullptr);
    int nLastTrack = 0;
    for (int i = 0; i < 20; ++i)
    {
        CMRVSoundObject* pFinished = pMusic;
        pMusic = RotateMusic(pFinished, nLastTrack);
        ASSERT_NE(pMusic, nullptr);
        EXPECT_EQ(pMusic->m_strFileName, SceneMusic::apszTracks[nLastTrack]);
        EXPECT_TRUE(EngineKnows(pMusic, m_Trace));
        // A handle at the same address can only be a new sound once the old one is gone.
        if (pMusic != pFinished)
        {
            EXPECT_FALSE(EngineKnows(pFinished, m_Trace)) << "rotation " << i;
        }
    }
    g_pSoundEngine->RemoveSoundObject(pMusic);
}

} // namespace
