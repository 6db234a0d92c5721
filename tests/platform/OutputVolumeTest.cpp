// OutputVolumeTest.cpp: the player's volume stage: the level's steps and bounds, the gain curve,
// the rounding of scaled samples, and the mixer's output with a volume attached (unchanged to
// the bit at full level).
#include "platform/mixer/OutputVolume.h"
#include "platform/mixer/SoftwareMixer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{

TEST(OutputVolumeTest, LevelsStepInTensAndStayWithinBounds)
{
    struct Case
    {
        int nStart;
        int nSteps;
        int nExpected;
    };
    const Case cases[] = {
        {100, 1, 100}, {100, -1, 90}, {0, -1, 0},  {0, 1, 10},    {55, 1, 60},
        {55, -1, 50},  {50, -1, 40},  {10, -3, 0}, {90, 12, 100}, {30, 0, 30},
    };
    for (const Case& c : cases)
    {
        COutputVolume volume;
        volume.SetLevel(c.nStart);
        volume.StepLevel(c.nSteps);
        EXPECT_EQ(volume.GetLevel(), c.nExpected) << c.nStart << " by " << c.nSteps;
    }
    COutputVolume volume;
    volume.SetLevel(-20);
    EXPECT_EQ(volume.GetLevel(), 0);
    volume.SetLevel(250);
    EXPECT_EQ(volume.GetLevel(), 100);
}

TEST(OutputVolumeTest, GainFollowsTheSquaredCurveAndEitherMuteSilences)
{
    struct Case
    {
        int nLevel;
        BOOL bMuted;
        BOOL bFocusMuted;
        DWORD dwGain;
    };
    const Case cases[] = {
        {100, FALSE, FALSE, 65536}, {50, FALSE, FALSE, 16384}, {10, FALSE, FALSE, 655}, {0, FALSE, FALSE, 0},
        {100, TRUE, FALSE, 0},      {100, FALSE, TRUE, 0},     {70, TRUE, TRUE, 0},
    };
    for (const Case& c : cases)
    {
        COutputVolume volume;
        volume.SetLevel(c.nLevel);
        volume.SetMuted(c.bMuted);
        volume.SetFocusMuted(c.bFocusMuted);
        EXPECT_EQ(volume.GetGain(), c.dwGain)
            << c.nLevel << (c.bMuted ? " muted" : "") << (c.bFocusMuted ? " unfocused" : "");
    }
    // Unmuting gives the level back.
    COutputVolume volume;
    volume.SetLevel(30);
    volume.SetMuted(TRUE);
    volume.SetMuted(FALSE);
    EXPECT_EQ(volume.GetLevel(), 30);
    EXPECT_EQ(volume.GetGain(), 5898u);
}

TEST(OutputVolumeTest, SamplesAreScaledWithRoundingAndNeverOverflow)
{
    const std::vector<int16_t> input = {0, 1, 2, -1, -2, 3, 1000, -1000, 32767, -32768};
    struct Case
    {
        int nLevel;
        std::vector<int16_t> expected;
    };
    const Case cases[] = {
        {100, input},
        // A quarter: halves round up (towards positive), as (x * g + half) >> 16 does.
        {50, {0, 0, 1, 0, 0, 1, 250, -250, 8192, -8192}},
        {0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        COutputVolume volume;
        volume.SetLevel(c.nLevel);
        std::vector<int16_t> samples = input;
        volume.Apply(samples.data(), samples.size());
        EXPECT_EQ(samples, c.expected) << c.nLevel;
    }
}

// The mixer's output of a loud looping 16-bit buffer, with or without a volume attached.
std::vector<int16_t> MixLoud(const COutputVolume* pVolume)
{
    CSoftwareMixer mixer;
    mixer.SetOutputVolume(pVolume);
    const Platform::WaveFormat format = {Platform::kWaveFormatPcm, 1, 22050, 44100, 2, 16, 0};
    std::vector<int16_t> samples(64);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>((i % 2 ? 1 : -1) * static_cast<int>(i * 1021 % 32768));
    const Platform::AudioBufferDesc desc = {Platform::AUDIO_BUFFER_STATIC,
                                            static_cast<DWORD>(samples.size() * 2), &format};
    Platform::IAudioBuffer* pBuffer = mixer.CreateBuffer(desc);
    void* pData = nullptr;
    DWORD dwLocked = 0;
    EXPECT_EQ(pBuffer->Lock(0, desc.dwBufferBytes, &pData, &dwLocked), Platform::AUDIO_OK);
    std::memcpy(pData, samples.data(), dwLocked);
    pBuffer->Unlock(pData, dwLocked);
    pBuffer->Play(Platform::AUDIO_PLAY_LOOPING);
    std::vector<int16_t> out(200);
    mixer.Mix(out.data(), out.size());
    pBuffer->Release();
    return out;
}

TEST(OutputVolumeTest, TheMixerOutputIsScaledAfterTheSumAndUnchangedAtFullLevel)
{
    const std::vector<int16_t> plain = MixLoud(nullptr);
    COutputVolume volume;
    EXPECT_EQ(MixLoud(&volume), plain) << "full level must be bit-exact";

    volume.SetLevel(50);
    const std::vector<int16_t> quarter = MixLoud(&volume);
    for (size_t i = 0; i < plain.size(); ++i)
        EXPECT_EQ(quarter[i], static_cast<int16_t>((int64_t(plain[i]) * 16384 + 32768) >> 16)) << i;

    volume.SetLevel(100);
    volume.SetFocusMuted(TRUE);
    EXPECT_EQ(MixLoud(&volume), std::vector<int16_t>(plain.size(), 0));
}

} // namespace
