// Mixing, limiting, normalising, delay, reverb, resampling and the sequencer's timing.
#include "Delay.h"
#include "Limiter.h"
#include "Mixer.h"
#include "Resample.h"
#include "Reverb.h"
#include "Sequencer.h"
#include "TestSignals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace AudioGen;

namespace
{
TEST(Limiter, NoSampleExceedsTheCeilingAndQuietPartsStayUntouched)
{
    Samples square(4000);
    for (size_t i = 0; i < square.size(); ++i)
        square[i] = (i / 50) % 2 ? 1.0f : -1.0f;
    const struct
    {
        const char* pszName;
        Samples samples;
        size_t nSpike; // where a spike replaces the sample, or past the end
        float fSpike;
    } kCases[] = {
        {"spike", Samples(1000, 0.1f), 500, 3.0f},
        {"negative spike at the start", Samples(1000, 0.0f), 0, -2.0f},
        {"spike at the end", Samples(1000, 0.0f), 999, 1.5f},
        {"loud sine", AudioGenTest::Sine(440.0, 0.3, 1.8f), SIZE_MAX, 0.0f},
        {"full-scale square", square, SIZE_MAX, 0.0f},
    };
    // A quiet stretch well away from anything loud, which the limiter must not touch.
    const Samples quiet = AudioGenTest::Sine(300.0, 0.5, 0.2f);
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszName);
        Samples samples = c.samples;
        if (c.nSpike < samples.size())
            samples[c.nSpike] = c.fSpike;
        samples.resize(samples.size() + SecondsToFrames(0.5), 0.0f);
        samples.insert(samples.end(), quiet.begin(), quiet.end());
        const Samples before = samples;

        const float fCeiling = DbToGain(-1.0f);
        LimitPeaks(samples, fCeiling, 0.002, 0.08);

        EXPECT_LE(PeakOf(samples), fCeiling);
        for (size_t i = samples.size() - quiet.size(); i < samples.size(); ++i)
            ASSERT_EQ(samples[i], before[i]) << i;
    }
}

TEST(Limiter, GainChangesSmoothlyAroundAPeak)
{
    Samples samples(2000, 0.5f);
    samples[1000] = 1.0f;
    LimitPeaks(samples, 0.5f, 0.002, 0.08);
    // The gain ramps: neighbours of the peak are turned down a little, not cut in one step.
    EXPECT_LT(samples[999], 0.5f);
    EXPECT_GT(samples[999], 0.25f);
    EXPECT_LE(samples[1000], 0.5f);
    EXPECT_LT(samples[1001], 0.5f);
}

// The level each stage sets is checked on the finished voices, effects and songs.
TEST(LevelStages, LeaveSilenceAlone)
{
    Samples silence(100, 0.0f);
    NormalisePeak(silence, -1.0f);
    MasterToLoudness(silence, -20.0f, -6.0f);
    for (float fSample : silence)
        ASSERT_EQ(fSample, 0.0f);
}

TEST(Mixer, MixIntoGrowsTheDestinationAndAddsAtTheOffset)
{
    Samples dest(4, 1.0f);
    MixInto(dest, Samples{1.0f, 2.0f, 3.0f}, 2, 0.5f);
    EXPECT_EQ(dest, (Samples{1.0f, 1.0f, 1.5f, 2.0f, 1.5f}));
}

TEST(Mixer, FadesStartAndEndInSilence)
{
    Samples samples(SecondsToFrames(0.5), 0.7f);
    FadeIn(samples, 0.1);
    FadeOut(samples, 0.1);
    EXPECT_EQ(samples.front(), 0.0f);
    EXPECT_EQ(samples.back(), 0.0f);
    EXPECT_FLOAT_EQ(samples[samples.size() / 2], 0.7f);
    // Fading longer than the buffer fades the whole buffer and reads nothing outside it.
    Samples shortOne(10, 1.0f);
    FadeOut(shortOne, 1.0);
    EXPECT_EQ(shortOne.back(), 0.0f);
    EXPECT_FLOAT_EQ(shortOne.front(), 1.0f);
}

TEST(ActiveRms, IgnoresThePausesBetweenSounds)
{
    Samples samples = AudioGenTest::Sine(300.0, 0.5, 0.5f);
    const float fToneOnly = ActiveRmsOf(samples);
    samples.resize(samples.size() * 4, 0.0f);
    EXPECT_NEAR(ActiveRmsOf(samples), fToneOnly, 1e-4f);
    EXPECT_NEAR(fToneOnly, 0.5f / std::sqrt(2.0f), 0.01f);
}

TEST(FeedbackDelay, RepeatsAnImpulseAtTheDelayTimeEachTimeQuieter)
{
    CFeedbackDelay delay(0.1, 0.5f, 10000.0);
    Samples out(SecondsToFrames(0.35));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = delay.Process(i == 0 ? 1.0f : 0.0f);
    const size_t nDelay = SecondsToFrames(0.1);
    EXPECT_FLOAT_EQ(out[nDelay], 1.0f);
    for (size_t i = 0; i < nDelay; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
    // The second repeat is spread a little by the damping, but it sits at twice the delay
    // with about the feedback's level.
    float fSecond = 0.0f;
    for (size_t i = 2 * nDelay - 2; i <= 2 * nDelay + 40; ++i)
        fSecond += out[i];
    EXPECT_NEAR(fSecond, 0.5f, 0.05f);
}

TEST(Reverb, ImpulseLeavesADecayingTail)
{
    CReverb reverb(0.5f, 0.5f);
    Samples out(SecondsToFrames(2.0));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = reverb.Process(i == 0 ? 1.0f : 0.0f);
    const float fEarly = RmsOf(out, SecondsToFrames(0.05), SecondsToFrames(0.25));
    const float fLate = RmsOf(out, SecondsToFrames(1.0), SecondsToFrames(1.2));
    EXPECT_GT(fEarly, 0.0f);
    EXPECT_LT(fLate, fEarly * 0.5f);
    EXPECT_LT(PeakOf(out), 1.0f);
}

TEST(Resample, DownsamplingKeepsPitchAndLengthAndRemovesToneAboveTheNewNyquist)
{
    const Samples in = AudioGenTest::Sine(1000.0, 1.0, 0.5f, 44100);
    const Samples out = Resample(in, 44100, kSampleRate);
    EXPECT_NEAR(static_cast<double>(out.size()), 22050.0, 1.0);
    EXPECT_NEAR(AudioGenTest::MeasureHz(out), 1000.0, 2.0);
    EXPECT_GT(PeakOf(out), 0.4f);
    EXPECT_EQ(Resample(in, 22050, 22050), in);
    EXPECT_TRUE(Resample(Samples{}, 44100, 22050).empty());
    // 16 kHz would fold down to 6 kHz at 22,050 Hz; the anti-alias filter must weaken it.
    EXPECT_LT(PeakOf(Resample(AudioGenTest::Sine(16000.0, 0.5, 0.5f, 44100), 44100, kSampleRate)), 0.2f);
}

TEST(Sequencer, SwingDelaysOnlyTheOffGridSteps)
{
    SSong song;
    song.dTempo = 60.0; // one beat a second
    song.dSwing = 1.0 / 3.0;
    song.dSwingUnit = 0.5;
    const struct
    {
        double dBeat;
        double dSeconds;
    } kCases[] = {{0.0, 0.0}, {1.0, 1.0}, {0.5, 0.5 + 1.0 / 6.0}, {2.5, 2.5 + 1.0 / 6.0}, {0.25, 0.25}};
    for (const auto& c : kCases)
        EXPECT_NEAR(BeatToSeconds(song, c.dBeat), c.dSeconds, 1e-9) << c.dBeat;
    song.dSwing = 0.0;
    EXPECT_DOUBLE_EQ(BeatToSeconds(song, 0.5), 0.5);
}

TEST(Sequencer, PatternStepsBecomeNotesWithTheirAccents)
{
    STrack track;
    AddPattern(track, 8.0, "X.x-o", 0.25, 36.0, 0.1, 0.5f);
    ASSERT_EQ(track.vNotes.size(), 3u);
    EXPECT_DOUBLE_EQ(track.vNotes[0].dBeat, 8.0);
    EXPECT_FLOAT_EQ(track.vNotes[0].fVelocity, 0.5f);
    EXPECT_DOUBLE_EQ(track.vNotes[1].dBeat, 8.5);
    EXPECT_FLOAT_EQ(track.vNotes[1].fVelocity, 0.35f);
    EXPECT_DOUBLE_EQ(track.vNotes[2].dBeat, 9.0);
    EXPECT_FLOAT_EQ(track.vNotes[2].fVelocity, 0.2f);
}
} // namespace
