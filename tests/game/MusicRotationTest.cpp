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

// The sound engine still knows pSound (it compares handles, never follows a removed one).
bool EngineKnows(CMRVSoundObject* pSound, Trace::CaptureTraceSink& trace)
{
    trace.Clear();
    g_pSoundEngine->StopSound(pSound);
    return trace.Text().find("could not be found") == std::string::npos;
}

TEST(MusicRotation, EachNewTrackReplacesTheFinishedOneInTheEngine)
{
    Platform::CVirtualClock clock;
    Platform::CHeadlessAudio audio{clock};
    Trace::CaptureTraceSink trace;
    Platform::Backend backend;
    backend.pAudio = &audio;
    backend.pClock = &clock;
    backend.pTraceSink = &trace;
    Platform::CScopedBackend scope(backend);
    ASSERT_TRUE(CreateSoundEngine());
    ASSERT_TRUE(g_pSoundEngine->Init(reinterpret_cast<HWND>(&audio)));
    CMRVSoundObject* pMusic = StartStreamedSound(SceneMusic::apszTracks[MUSIC_FIRST_TRACK]);
    ASSERT_NE(pMusic, nullptr);
    int nLastTrack = 0;
    for (int i = 0; i < 20; ++i)
    {
        CMRVSoundObject* pFinished = pMusic;
        pMusic = RotateMusic(pFinished, nLastTrack);
        ASSERT_NE(pMusic, nullptr);
        EXPECT_EQ(pMusic->m_strFileName, SceneMusic::apszTracks[nLastTrack]);
        EXPECT_TRUE(EngineKnows(pMusic, trace));
        // A handle at the same address can only be a new sound once the old one is gone.
        if (pMusic != pFinished)
        {
            EXPECT_FALSE(EngineKnows(pFinished, trace)) << "rotation " << i;
        }
    }
    g_pSoundEngine->RemoveSoundObject(pMusic);
    DestroySoundEngine();
}

} // namespace
