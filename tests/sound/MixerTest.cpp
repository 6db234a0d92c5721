// MixerTest.cpp: format conversion, saturation, cursors, notifications and lost buffers of the
// software mixer.
#include "SoundTestSupport.h"

#include "platform/mixer/SoftwareMixer.h"

#include <cstring>

using namespace SoundTest;
using namespace Platform;

namespace
{

// A buffer of the mixer filled with bytes.
IAudioBuffer* MakeBuffer(CSoftwareMixer& mixer, const WaveFormat& format, const std::vector<BYTE>& bytes,
                         DWORD dwFlags = AUDIO_BUFFER_STATIC)
{
    const AudioBufferDesc desc = {dwFlags, static_cast<DWORD>(bytes.size()), &format};
    IAudioBuffer* pBuffer = mixer.CreateBuffer(desc);
    if (!pBuffer)
        return nullptr;
    void* pData = nullptr;
    DWORD dwLocked = 0;
    EXPECT_EQ(pBuffer->Lock(0, static_cast<DWORD>(bytes.size()), &pData, &dwLocked), AUDIO_OK);
    std::memcpy(pData, bytes.data(), dwLocked);
    EXPECT_EQ(pBuffer->Unlock(pData, dwLocked), AUDIO_OK);
    return pBuffer;
}

std::vector<int16_t> MixFrames(CSoftwareMixer& mixer, size_t nFrames)
{
    std::vector<int16_t> out(nFrames);
    mixer.Mix(out.data(), nFrames);
    return out;
}

struct ConversionCase
{
    const char* pszName;
    WaveFormat format;
    std::vector<BYTE> bytes;
    std::vector<int16_t> expected; // the first output frames
};

TEST(MixerTest, ConvertsEveryFormatToMono16)
{
    const std::vector<ConversionCase> cases = {
        {"8-bit mono", PcmFormat(1, 22050, 8), {0x80, 0xFF, 0x00, 0x81}, {0, 127 * 256, -128 * 256, 256, 0}},
        {"8-bit stereo", PcmFormat(2, 22050, 8), {0xFF, 0x00, 0x90, 0x90}, {-128, 16 * 256, 0}},
        {"16-bit stereo", PcmFormat(2, 22050, 16), SampleBytes({1000, 3000, -7, -9}), {2000, -8, 0}},
        // Doubling the rate: every source frame, then the point half-way to the next one.
        {"16-bit mono, half rate",
         PcmFormat(1, 11025, 16),
         SampleBytes({100, 300, -100}),
         {100, 200, 300, 100, -100}},
        // Halving the rate: each output frame is the mean of the two frames it covers.
        {"16-bit mono, double rate",
         PcmFormat(1, 44100, 16),
         SampleBytes({100, 300, -100, -300, 5, 7}),
         {200, -200, 6, 0}},
    };
    for (const ConversionCase& test : cases)
    {
        CSoftwareMixer mixer;
        IAudioBuffer* pBuffer = MakeBuffer(mixer, test.format, test.bytes);
        ASSERT_NE(pBuffer, nullptr) << test.pszName;
        pBuffer->Play(0);
        EXPECT_EQ(MixFrames(mixer, test.expected.size()), test.expected) << test.pszName;
        pBuffer->Release();
    }
}

TEST(MixerTest, OtherRatesKeepTheirDuration)
{
    const DWORD rates[] = {8000, 11025, 16000, 32000, 44100, 48000};
    for (DWORD dwRate : rates)
    {
        CSoftwareMixer mixer;
        IAudioBuffer* pBuffer =
            MakeBuffer(mixer, PcmFormat(1, dwRate, 16), SampleBytes(std::vector<int16_t>(dwRate, 500)));
        pBuffer->Play(0);
        const std::vector<int16_t> out = MixFrames(mixer, 23000);
        const size_t nHeard = static_cast<size_t>(std::count(out.begin(), out.end(), int16_t(500)));
        EXPECT_NEAR(static_cast<double>(nHeard), 22050.0, 2.0) << dwRate;
        DWORD dwStatus = 0;
        pBuffer->GetStatus(&dwStatus);
        EXPECT_EQ(dwStatus, 0u) << dwRate;
    }
}

TEST(MixerTest, SumSaturatesInsteadOfWrapping)
{
    CSoftwareMixer mixer;
    const WaveFormat format = PcmFormat(1, 22050, 16);
    IAudioBuffer* pFirst = MakeBuffer(mixer, format, SampleBytes({30000, -30000, 20000}));
    IAudioBuffer* pSecond = MakeBuffer(mixer, format, SampleBytes({30000, -30000, -20000}));
    pFirst->Play(0);
    pSecond->Play(0);
    EXPECT_EQ(MixFrames(mixer, 3), (std::vector<int16_t>{32767, -32768, 0}));
}

TEST(MixerTest, OneShotStopsAtItsEndAndLoopingWraps)
{
    CSoftwareMixer mixer;
    const WaveFormat format = PcmFormat(1, 22050, 16);
    IAudioBuffer* pOnce = MakeBuffer(mixer, format, SampleBytes({1, 2, 3}));
    IAudioBuffer* pLoop = MakeBuffer(mixer, format, SampleBytes({10, 20}));
    pOnce->Play(0);
    pLoop->Play(AUDIO_PLAY_LOOPING);
    EXPECT_EQ(MixFrames(mixer, 6), (std::vector<int16_t>{11, 22, 13, 20, 10, 20}));
    DWORD dwStatus = 0;
    DWORD dwPosition = 99;
    pOnce->GetStatus(&dwStatus);
    pOnce->GetCurrentPosition(&dwPosition);
    EXPECT_EQ(dwStatus, 0u);
    EXPECT_EQ(dwPosition, 0u); // a finished one-shot starts over when played again
    pLoop->GetStatus(&dwStatus);
    EXPECT_EQ(dwStatus, AUDIO_STATUS_PLAYING | AUDIO_STATUS_LOOPING);
    pLoop->Stop();
    pLoop->GetCurrentPosition(&dwPosition);
    EXPECT_EQ(dwPosition, 0u);
    EXPECT_EQ(MixFrames(mixer, 2), (std::vector<int16_t>{0, 0}));
}

// A notification fires when the cursor passes its frame; the frame play starts from counts,
// so the one at 0 fires with the first output frame and then at every wrap.
TEST(MixerTest, NotificationsFireAsTheCursorPassesThem)
{
    CSoftwareMixer mixer;
    const WaveFormat format = PcmFormat(1, 22050, 16);
    IAudioBuffer* pBuffer =
        MakeBuffer(mixer, format, std::vector<BYTE>(400), AUDIO_BUFFER_CTRLPOSITIONNOTIFY);
    auto pEvents = std::make_shared<CEventGroup>(3);
    const AudioNotifyPosition positions[2] = {{0, pEvents, 1}, {200, pEvents, 0}};
    ASSERT_EQ(pBuffer->SetNotificationPositions(2, positions), AUDIO_OK);
    pBuffer->Play(AUDIO_PLAY_LOOPING);

    std::vector<int16_t> out(400);
    EXPECT_EQ(mixer.MixUntilNotification(out.data(), 400), 1u); // frame 0, where play starts
    EXPECT_EQ(pEvents->WaitAny(0), 1u);
    EXPECT_EQ(pEvents->WaitAny(0), kWaitTimeout);
    EXPECT_EQ(mixer.MixUntilNotification(out.data(), 400), 100u); // frames 1 to 100 (byte 200)
    EXPECT_EQ(pEvents->WaitAny(0), 0u);
    EXPECT_EQ(mixer.MixUntilNotification(out.data(), 400), 100u); // round to frame 0 again
    EXPECT_EQ(pEvents->WaitAny(0), 1u);
    // Without the early end both are set within one call; the lowest index comes first.
    mixer.Mix(out.data(), 200);
    EXPECT_EQ(pEvents->WaitAny(0), 0u);
    EXPECT_EQ(pEvents->WaitAny(0), 1u);
    EXPECT_EQ(pEvents->WaitAny(0), kWaitTimeout);
    // Stopped and played again away from a notification, nothing fires until one is passed.
    pBuffer->Stop();
    pBuffer->Play(AUDIO_PLAY_LOOPING);
    mixer.Mix(out.data(), 50);
    EXPECT_EQ(pEvents->WaitAny(0), kWaitTimeout);
    // Notifications need the notify capability.
    IAudioBuffer* pStatic = MakeBuffer(mixer, format, std::vector<BYTE>(400));
    EXPECT_EQ(pStatic->SetNotificationPositions(2, positions), AUDIO_FAILED);
}

// At half the output rate each source frame lasts two output frames: the one play starts from
// is passed with the second.
TEST(MixerTest, NotificationOfTheStartFrameFiresWhenASlowerBufferLeavesIt)
{
    CSoftwareMixer mixer;
    IAudioBuffer* pBuffer =
        MakeBuffer(mixer, PcmFormat(1, 11025, 16), std::vector<BYTE>(400), AUDIO_BUFFER_CTRLPOSITIONNOTIFY);
    auto pEvents = std::make_shared<CEventGroup>(1);
    const AudioNotifyPosition position = {0, pEvents, 0};
    ASSERT_EQ(pBuffer->SetNotificationPositions(1, &position), AUDIO_OK);
    pBuffer->Play(AUDIO_PLAY_LOOPING);
    std::vector<int16_t> out(800);
    EXPECT_EQ(mixer.MixUntilNotification(out.data(), 800), 2u);
    EXPECT_EQ(pEvents->WaitAny(0), 0u);
    EXPECT_EQ(mixer.MixUntilNotification(out.data(), 800), 400u); // 200 frames, each heard twice
    EXPECT_EQ(pEvents->WaitAny(0), 0u);
}

TEST(MixerTest, RejectsFormatsItCannotPlay)
{
    WaveFormat badAlign = PcmFormat(2, 22050, 16);
    badAlign.nBlockAlign = 3;
    WaveFormat notPcm = PcmFormat(1, 22050, 16);
    notPcm.wFormatTag = 3;
    const WaveFormat formats[] = {notPcm,
                                  PcmFormat(0, 22050, 16),
                                  PcmFormat(6, 22050, 16),
                                  PcmFormat(1, 22050, 24),
                                  PcmFormat(1, 99, 16),
                                  PcmFormat(1, 200001, 16),
                                  badAlign};
    CSoftwareMixer mixer;
    for (const WaveFormat& format : formats)
    {
        const AudioBufferDesc desc = {AUDIO_BUFFER_STATIC, 1000, &format};
        EXPECT_EQ(mixer.CreateBuffer(desc), nullptr);
    }
    const WaveFormat good = PcmFormat(2, 22050, 16);
    const AudioBufferDesc tooSmall = {AUDIO_BUFFER_STATIC, 3, &good};
    EXPECT_EQ(mixer.CreateBuffer(tooSmall), nullptr);
    EXPECT_EQ(mixer.GetBufferCount(), 0u);
}

TEST(MixerTest, LockIsClippedAndLostBuffersNeedRestore)
{
    CSoftwareMixer mixer;
    IAudioBuffer* pBuffer = MakeBuffer(mixer, PcmFormat(1, 22050, 16), SampleBytes({5, 6, 7, 8}));
    void* pData = nullptr;
    DWORD dwLocked = 0;
    EXPECT_EQ(pBuffer->Lock(6, 100, &pData, &dwLocked), AUDIO_OK);
    EXPECT_EQ(dwLocked, 2u);
    EXPECT_EQ(pBuffer->Unlock(pData, dwLocked), AUDIO_OK);
    EXPECT_EQ(pBuffer->Lock(8, 1, &pData, &dwLocked), AUDIO_FAILED);

    pBuffer->Play(AUDIO_PLAY_LOOPING);
    mixer.LoseAllBuffers();
    DWORD dwStatus = 0;
    pBuffer->GetStatus(&dwStatus);
    EXPECT_EQ(dwStatus, AUDIO_STATUS_BUFFERLOST);
    EXPECT_EQ(pBuffer->Play(0), AUDIO_BUFFERLOST);
    EXPECT_EQ(pBuffer->Lock(0, 2, &pData, &dwLocked), AUDIO_BUFFERLOST);
    EXPECT_EQ(MixFrames(mixer, 2), (std::vector<int16_t>{0, 0}));
    EXPECT_EQ(pBuffer->Restore(), AUDIO_OK);
    EXPECT_EQ(pBuffer->Play(AUDIO_PLAY_LOOPING), AUDIO_OK);
    EXPECT_EQ(MixFrames(mixer, 4), (std::vector<int16_t>{0, 0, 0, 0})); // restored as silence
    pBuffer->Release();
    EXPECT_EQ(mixer.GetBufferCount(), 0u);
}

} // namespace
