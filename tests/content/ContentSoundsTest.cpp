// ContentSoundsTest.cpp: the built sounds as the game plays them: every voice over the loudest
// music stays under full scale and stands clear above it, and the music tracks start at once
// and end right after their last note, so the rotation from one track to the next has no
// silent gap.
#include "ContentPictures.h"

#include "game/layout/AvenueLayout.h"
#include "game/layout/MakeoverLayout.h"
#include "game/layout/SceneMusic.h"
#include "game/layout/SignInLayout.h"
#include "game/layout/WallLayout.h"

#include "Mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace
{
using Pcm = std::vector<int16_t>;

// Every streamed voice; each plays over the scene's music.
const char* const kVoices[] = {SignInLayout::pszGreeting,    SignInLayout::pszFarewellVoice,
                               WallLayout::pszWelcome,       WallLayout::pszWelcomeBack,
                               MakeoverLayout::pszVoiceOver, AvenueLayout::pszFashionVoice};

Pcm LoadPcm(const char* pszGamePath)
{
    MRVSoundHeader header;
    Pcm samples;
    std::string strError;
    EXPECT_TRUE(LoadSound(pszGamePath, &header, &samples, &strError)) << pszGamePath << ": " << strError;
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

int PeakMagnitude(const Pcm& samples)
{
    int nPeak = 0;
    for (int16_t n : samples)
        nPeak = std::max(nPeak, std::abs(int(n)));
    return nPeak;
}
} // namespace

TEST(ContentSounds, AVoiceOverTheLoudestMusicNeverPassesFullScale)
{
    // The game's mixer adds the samples of the content's own rate unchanged, saturating at full
    // scale: the loudest voice peak plus the loudest music peak bounds every alignment of the two.
    int nLoudestVoice = 0;
    int nLoudestMusic = 0;
    for (const char* pszTrack : SceneMusic::apszTracks)
        nLoudestMusic = std::max(nLoudestMusic, PeakMagnitude(LoadPcm(pszTrack)));
    for (const char* pszVoice : kVoices)
        nLoudestVoice = std::max(nLoudestVoice, PeakMagnitude(LoadPcm(pszVoice)));
    EXPECT_GT(nLoudestVoice, 0);
    EXPECT_GT(nLoudestMusic, 0);
    EXPECT_LT(nLoudestVoice + nLoudestMusic, 32767);
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
