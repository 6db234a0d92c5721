// ContentSoundsTest.cpp: the built sounds as the game plays them: every voice over the loudest
// music stays under full scale in the game's own saturating mixer and stands clear above it,
// and the music tracks start at once and end right after their last note, so the rotation
// from one track to the next has no silent gap.
#include "ContentPictures.h"

#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SceneMusic.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/WallLayout.h"
#include "platform/mixer/SoftwareMixer.h"

#include "Mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{
using Pcm = std::vector<int16_t>;

// Every streamed voice; each plays over the scene's music.
const char* const kVoices[] = {SignInLayout::pszGreeting,    SignInLayout::pszFarewellVoice,
                               WallLayout::pszWelcome,       WallLayout::pszWelcomeBack,
                               MakeoverLayout::pszVoiceOver, AvenueLayout::pszFashionVoice};

Pcm LoadPcm(const char* pszGamePath)
{
    Pcm samples;
    std::string strError;
    EXPECT_TRUE(LoadSoundSamples(pszGamePath, &samples, &strError)) << pszGamePath << ": " << strError;
    return samples;
}

AudioGen::Samples ToFloat(const Pcm& samples)
{
    AudioGen::Samples out(samples.size());
    std::transform(samples.begin(), samples.end(), out.begin(),
                   [](int16_t n) { return float(n) / 32768.0f; });
    return out;
}

float ActiveRmsDb(const Pcm& samples)
{
    return AudioGen::GainToDb(AudioGen::ActiveRmsOf(ToFloat(samples)));
}

// Index of the sample furthest from zero on the side given by nSign (+1 or -1).
size_t PeakIndex(const Pcm& samples, int nSign)
{
    size_t nBest = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        if (nSign * samples[i] > nSign * samples[nBest])
            nBest = i;
    return nBest;
}

// Starts a static buffer holding the samples in the mixer; false when it cannot be made.
bool PlayOnce(CSoftwareMixer& mixer, const Pcm& samples)
{
    static const Platform::WaveFormat kFormat{Platform::kWaveFormatPcm, 1, 22050, 44100, 2, 16, 0};
    const DWORD dwBytes = DWORD(samples.size() * 2);
    Platform::IAudioBuffer* pBuffer = mixer.CreateBuffer({Platform::AUDIO_BUFFER_STATIC, dwBytes, &kFormat});
    void* pData = nullptr;
    DWORD dwLocked = 0;
    if (!pBuffer || pBuffer->Lock(0, dwBytes, &pData, &dwLocked) != Platform::AUDIO_OK || dwLocked != dwBytes)
    {
        ADD_FAILURE() << "the mixer refuses a " << dwBytes << "-byte buffer";
        return false;
    }
    std::memcpy(pData, samples.data(), dwLocked);
    pBuffer->Unlock(pData, dwLocked);
    return pBuffer->Play(0) == Platform::AUDIO_OK;
}

// Plays both sounds through the game's mixer, the music started so that its strongest sample
// of the voice's peak polarity meets the voice's peak, and returns the mixed output.
Pcm MixAtWorstAlignment(const Pcm& voice, const Pcm& music, Pcm* pExactSum)
{
    const size_t nVoicePeak = PeakIndex(voice, +1);
    const size_t nVoiceLow = PeakIndex(voice, -1);
    const bool bPositive = voice[nVoicePeak] >= -int(voice[nVoiceLow]);
    const size_t nAt = bPositive ? nVoicePeak : nVoiceLow;
    const size_t nMusicAt = PeakIndex(music, bPositive ? +1 : -1);
    // The music slice that lines up with the voice, silence where the track has no samples.
    Pcm musicSlice(voice.size(), 0);
    for (size_t i = 0; i < voice.size(); ++i)
    {
        const long long nSource = (long long)(nMusicAt) - (long long)(nAt) + (long long)(i);
        if (nSource >= 0 && nSource < (long long)(music.size()))
            musicSlice[i] = music[size_t(nSource)];
    }
    pExactSum->resize(voice.size());
    for (size_t i = 0; i < voice.size(); ++i)
        (*pExactSum)[i] = int16_t(std::clamp(int(voice[i]) + int(musicSlice[i]), -32768, 32767));

    CSoftwareMixer mixer;
    if (!PlayOnce(mixer, voice) || !PlayOnce(mixer, musicSlice))
        return {};
    Pcm out(voice.size());
    mixer.Mix(out.data(), out.size());
    return out;
}

int PeakMagnitude(const Pcm& samples)
{
    int nPeak = 0;
    for (int16_t n : samples)
        nPeak = std::max(nPeak, std::abs(int(n)));
    return nPeak;
}
} // namespace

TEST(ContentSounds, AVoiceOverTheLoudestMusicNeverPassesFullScaleInTheGameMixer)
{
    int nLoudestVoice = 0;
    int nLoudestMusic = 0;
    for (const char* pszTrack : SceneMusic::apszTracks)
        nLoudestMusic = std::max(nLoudestMusic, PeakMagnitude(LoadPcm(pszTrack)));
    for (const char* pszVoice : kVoices)
    {
        const Pcm voice = LoadPcm(pszVoice);
        ASSERT_FALSE(voice.empty()) << pszVoice;
        nLoudestVoice = std::max(nLoudestVoice, PeakMagnitude(voice));
        for (const char* pszTrack : SceneMusic::apszTracks)
        {
            // The mixer adds samples unchanged at the content's own rate, so the sum at the
            // worst alignment is exactly what the player hears there: it must not saturate.
            Pcm exact;
            const Pcm mixed = MixAtWorstAlignment(voice, LoadPcm(pszTrack), &exact);
            ASSERT_EQ(mixed.size(), voice.size());
            EXPECT_EQ(mixed, exact) << pszVoice << " over " << pszTrack << " does not mix unchanged";
            EXPECT_LT(PeakMagnitude(mixed), 32767) << pszVoice << " over " << pszTrack << " clips";
        }
    }
    // Whatever the alignment, the loudest voice plus the loudest music stays in range.
    EXPECT_LE(nLoudestVoice + nLoudestMusic, 32767);
}

TEST(ContentSounds, EveryVoiceStandsAboutEightDecibelsAboveTheLoudestMusic)
{
    float fLoudestMusicDb = -200.0f;
    for (const char* pszTrack : SceneMusic::apszTracks)
        fLoudestMusicDb = std::max(fLoudestMusicDb, ActiveRmsDb(LoadPcm(pszTrack)));
    for (const char* pszVoice : kVoices)
        EXPECT_GE(ActiveRmsDb(LoadPcm(pszVoice)) - fLoudestMusicDb, 7.5f) << pszVoice;
}

TEST(ContentSounds, MusicStartsAtOnceAndEndsWithoutATrailOfSilence)
{
    // The rotation starts the next track as soon as one ends: the time below -60 dBFS at the
    // start of a track and at its end is the silence the player hears between two tracks.
    const int nFloor = int(32768 * AudioGen::DbToGain(-60.0f));
    for (const char* pszTrack : SceneMusic::apszTracks)
    {
        const Pcm music = LoadPcm(pszTrack);
        ASSERT_FALSE(music.empty()) << pszTrack;
        auto loud = [nFloor](int16_t n) { return std::abs(int(n)) >= nFloor; };
        const size_t nLead = size_t(std::find_if(music.begin(), music.end(), loud) - music.begin());
        const size_t nTail = size_t(std::find_if(music.rbegin(), music.rend(), loud) - music.rbegin());
        EXPECT_LE(nLead, 22050 * 5 / 100) << pszTrack << " starts late";
        EXPECT_LE(nTail, 22050 * 3 / 10) << pszTrack << " ends in silence";
    }
}
