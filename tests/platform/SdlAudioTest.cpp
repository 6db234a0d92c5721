// SdlAudioTest.cpp: the engine on the SDL audio device (SDL's dummy driver: no sound card).
#include "platform/Backend.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "sound/MRVSoundEngine.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

class SdlAudioTest : public ::testing::Test
{
protected:
    SdlAudioTest() : m_Scope(Bundle()) {}
    ~SdlAudioTest() override { DestroySoundEngine(); }

    Platform::Backend Bundle()
    {
        Platform::Backend backend;
        backend.pAudio = &m_Audio;
        backend.pTraceSink = &m_Trace;
        return backend;
    }

    Platform::CSdlAudio m_Audio;
    Trace::CaptureTraceSink m_Trace;
    Platform::CScopedBackend m_Scope;
};

TEST_F(SdlAudioTest, OpensAShortBufferAndPlays)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    CreateSoundEngine();
    ASSERT_TRUE(g_pSoundEngine->Init(reinterpret_cast<HWND>(this)));
    // 512 frames at 22,050 Hz: about 23 ms, well under 50 ms.
    EXPECT_EQ(m_Audio.GetOpenedBufferFrames(), Platform::CSdlAudio::kCallbackFrames);
    CMRVSoundObject* pSound = g_pSoundEngine->AddSoundObject();
    EXPECT_TRUE(g_pSoundEngine->PlaySound(pSound, FALSE));
    g_pSoundEngine->RemoveSoundObject(pSound);
    EXPECT_TRUE(m_Trace.Messages().empty());
}

TEST_F(SdlAudioTest, NoAudioDriverMeansNoDevice)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    CreateSoundEngine();
    EXPECT_FALSE(g_pSoundEngine->Init(reinterpret_cast<HWND>(this)));
    EXPECT_FALSE(g_pSoundEngine->IsReady());
    ASSERT_EQ(m_Trace.Messages().size(), 1u);
    EXPECT_EQ(m_Trace.Messages()[0], "Unable to create Sound Manager in MRVSoundEngine\n\r\n");
}

} // namespace
