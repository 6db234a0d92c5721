// Oscillators, FM voice, envelope, filters and the random generator.
#include "Synth.h"
#include "Random.h"
#include "TestSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace AudioGen;
using AudioGenTest::MeasureHz;

namespace
{
Samples RunOscillator(EWaveform eWave, double dHz, double dSeconds)
{
    COscillator osc(eWave, dHz);
    Samples out(SecondsToFrames(dSeconds));
    for (float& fSample : out)
        fSample = osc.Next();
    return out;
}

TEST(Oscillator, EveryWaveformCrossesZeroOncePerCycleAndStaysBounded)
{
    const struct
    {
        EWaveform eWave;
        double dHz;
    } kCases[] = {{EWaveform::Sine, 110.0},      {EWaveform::Sine, 3000.0}, {EWaveform::Triangle, 220.0},
                  {EWaveform::Triangle, 2000.0}, {EWaveform::Saw, 55.0},    {EWaveform::Saw, 440.0},
                  {EWaveform::Saw, 4000.0},      {EWaveform::Square, 98.0}, {EWaveform::Square, 1760.0}};
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(::testing::Message()
                     << "waveform " << static_cast<int>(c.eWave) << " at " << c.dHz << " Hz");
        const Samples out = RunOscillator(c.eWave, c.dHz, 1.0);
        EXPECT_NEAR(MeasureHz(out), c.dHz, 1.5);
        // Band-limited steps overshoot a little; nothing should come close to doubling.
        EXPECT_LE(*std::max_element(out.begin(), out.end()), 1.2f);
        EXPECT_GE(*std::min_element(out.begin(), out.end()), -1.2f);
    }
}

TEST(Oscillator, FrequencyChangeTakesEffectWithoutRestart)
{
    COscillator osc(EWaveform::Sine, 200.0);
    Samples first(SecondsToFrames(0.5));
    for (float& fSample : first)
        fSample = osc.Next();
    osc.SetFrequency(600.0);
    Samples second(SecondsToFrames(0.5));
    for (float& fSample : second)
        fSample = osc.Next();
    EXPECT_NEAR(MeasureHz(first), 200.0, 2.5);
    EXPECT_NEAR(MeasureHz(second), 600.0, 2.5);
}

TEST(FmVoice, WithoutModulationIsAPureCarrierAndWithItGetsBrighter)
{
    CFmVoice plain(300.0, 1.0);
    CFmVoice bright(300.0, 1.0);
    Samples vPlain(kSampleRate);
    Samples vBright(kSampleRate);
    for (size_t i = 0; i < vPlain.size(); ++i)
    {
        vPlain[i] = plain.Next(0.0f);
        vBright[i] = bright.Next(3.0f);
    }
    EXPECT_NEAR(MeasureHz(vPlain), 300.0, 1.5);
    // Sidebands add high partials: more zero crossings than the carrier alone.
    EXPECT_GT(MeasureHz(vBright), 400.0);
}

TEST(Envelope, FollowsAttackDecaySustainAndRelease)
{
    const SAdsr adsr{0.1, 0.1, 0.5f, 0.2};
    CEnvelope env(adsr, 0.5);
    Samples out(SecondsToFrames(0.8));
    for (float& fSample : out)
        fSample = env.Next();
    EXPECT_NEAR(out[SecondsToFrames(0.05)], 0.5f, 0.01f);  // half-way up the linear attack
    EXPECT_NEAR(out[SecondsToFrames(0.1)], 1.0f, 0.01f);   // top of the attack
    EXPECT_NEAR(out[SecondsToFrames(0.3)], 0.5f, 0.001f);  // sustain
    EXPECT_NEAR(out[SecondsToFrames(0.49)], 0.5f, 0.001f); // still sustaining before the gate closes
    EXPECT_LT(out[SecondsToFrames(0.6)], 0.5f);            // releasing
    EXPECT_EQ(out[SecondsToFrames(0.71)], 0.0f);           // release finished
    EXPECT_TRUE(env.IsFinished());
    EXPECT_DOUBLE_EQ(env.TotalSeconds(), 0.7);
    // The decay never undershoots the sustain level, and the release never rises.
    for (size_t i = SecondsToFrames(0.1); i < SecondsToFrames(0.5); ++i)
        ASSERT_GE(out[i], 0.5f - 1e-4f) << i;
    for (size_t i = SecondsToFrames(0.5) + 1; i < out.size(); ++i)
        ASSERT_LE(out[i], out[i - 1]) << i;
}

TEST(Envelope, GateClosingDuringAttackReleasesFromTheLevelReached)
{
    CEnvelope env({0.2, 0.1, 0.8f, 0.1}, 0.05);
    float fMax = 0.0f;
    while (!env.IsFinished())
        fMax = std::max(fMax, env.Next());
    // It never jumps to full level: the release starts from about a quarter of the way up.
    EXPECT_LT(fMax, 0.3f);
    EXPECT_GT(fMax, 0.2f);
}

TEST(StateVariableFilter, EachModePassesOrStopsTheTone)
{
    const struct
    {
        const char* pszMode;
        double dCutoff;
        double dToneHz;
        float fMinGain;
        float fMaxGain;
    } kCases[] = {
        {"low", 1000.0, 100.0, 0.95f, 1.05f},  {"low", 500.0, 5000.0, 0.0f, 0.02f},
        {"high", 1000.0, 8000.0, 0.9f, 1.05f}, {"high", 2000.0, 100.0, 0.0f, 0.01f},
        {"band", 1000.0, 1000.0, 0.6f, 0.8f},  {"band", 1000.0, 50.0, 0.0f, 0.1f},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(::testing::Message()
                     << c.pszMode << "-pass at " << c.dCutoff << " Hz, tone " << c.dToneHz);
        CStateVariableFilter svf(c.dCutoff, 0.707);
        const Samples in = AudioGenTest::Sine(c.dToneHz, 0.5, 1.0f);
        const std::string strMode = c.pszMode;
        float fPeak = 0.0f;
        for (size_t i = 0; i < in.size(); ++i)
        {
            const float fOut = strMode == "low"    ? svf.LowPass(in[i])
                               : strMode == "high" ? svf.HighPass(in[i])
                                                   : svf.BandPass(in[i]);
            if (i > in.size() / 2) // after the filter has settled
                fPeak = std::max(fPeak, std::fabs(fOut));
        }
        EXPECT_GE(fPeak, c.fMinGain);
        EXPECT_LE(fPeak, c.fMaxGain);
    }
}

TEST(Random, AZeroSeedDoesNotLeaveTheGeneratorStuck)
{
    // xorshift never leaves an all-zero state, which would make every noise source silent.
    CRandom zero(0);
    float fMin = 1.0f;
    float fMax = -1.0f;
    for (int i = 0; i < 10000; ++i)
    {
        const float fBipolar = zero.NextBipolar();
        fMin = std::min(fMin, fBipolar);
        fMax = std::max(fMax, fBipolar);
    }
    EXPECT_LT(fMin, -0.9f);
    EXPECT_GT(fMax, 0.9f);
}
} // namespace
