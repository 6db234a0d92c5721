// SdlAudioTest.cpp: the engine on the SDL audio device (SDL's dummy driver: no sound card).
#include "platform/TraceSink.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "sound/MRVSoundEngine.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

class SdlAudioTest : public ::testing::Test
{
protected:
    SdlAudioTest() : m_ScopedSink(m_Trace) { m_pPrevious = Platform::SetAudioBackend(&m_Audio); }
    ~SdlAudioTest() override
    {
        DestroySoundEngine();
        Platform::SetAudioBackend(m_pPrevious);
    }

    Platform::CSdlAudio m_Audio;
    Platform::CaptureTraceSink m_Trace;
    Platform::ScopedTraceSink m_ScopedSink;
    Platform::IAudioBackend* m_pPrevious = nullptr;
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
