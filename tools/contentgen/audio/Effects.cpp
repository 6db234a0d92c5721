// Sound effect designs. Each effect is a few synthesiser voices placed in a buffer, given a
// touch of room, and finished to the common effect level.
#include "Effects.h"

#include "Instruments.h"
#include "Limiter.h"
#include "Mixer.h"
#include "Random.h"
#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace AudioGen
{
namespace
{
// Cuts the tail where it has fallen 60 dB below the peak, so every effect is as short as its
// sound and ends without an audible cut.
void TrimTail(Samples& samples)
{
    const float fFloor = PeakOf(samples) * DbToGain(-60.0f);
    size_t nEnd = samples.size();
    while (nEnd > 0 && std::fabs(samples[nEnd - 1]) < fFloor)
        --nEnd;
    samples.resize(std::min(samples.size(), nEnd + SecondsToFrames(0.01)));
}

// Common finish: level, the tail trimmed, a 2 ms fade-in against clicks and a short fade to
// exact silence.
Samples Finish(Samples samples)
{
    MasterToPeak(samples, 0.0f, kEffectPeakDb);
    TrimTail(samples);
    FadeIn(samples, 0.002);
    FadeOut(samples, 0.02);
    return samples;
}

// Every piece ends with this short fade, so a piece cut before its decay is over does not
// click where it stops.
constexpr double kPieceFade = 0.005;

// A sine whose pitch glides exponentially from dFromHz to dToHz over the buffer, with the
// given amplitude decay.
Samples Glide(double dSeconds, double dFromHz, double dToHz, double dDecay)
{
    Samples out(SecondsToFrames(dSeconds), 0.0f);
    double dPhase = 0.0;
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dProgress = static_cast<double>(i) / static_cast<double>(out.size());
        dPhase += dFromHz * std::pow(dToHz / dFromHz, dProgress) / kSampleRate;
        out[i] = static_cast<float>(std::sin(2.0 * kPi * dPhase)) * ExpDecay(FramesToSeconds(i), dDecay);
    }
    FadeOut(out, kPieceFade);
    return out;
}

// Noise through a band-pass whose centre moves from dFromHz to dToHz, shaped by a rise over
// dRise seconds and an exponential fall after it.
Samples NoiseSweep(double dSeconds, double dFromHz, double dToHz, double dRise, double dFall, CRandom& rng)
{
    Samples out(SecondsToFrames(dSeconds), 0.0f);
    CStateVariableFilter filter(dFromHz, 2.0);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const double dProgress = static_cast<double>(i) / static_cast<double>(out.size());
        filter.SetCutoff(dFromHz * std::pow(dToHz / dFromHz, dProgress));
        const float fEnvelope = dT < dRise ? static_cast<float>(dT / dRise) : ExpDecay(dT - dRise, dFall);
        out[i] = filter.BandPass(rng.NextBipolar()) * fEnvelope;
    }
    FadeOut(out, kPieceFade);
    return out;
}

Samples Bell(double dMidi, double dSeconds, float fVelocity, CRandom& rng)
{
    return RenderBell({MidiToHz(dMidi), dSeconds, fVelocity}, rng);
}

// One high-heel step: a sharp band-passed click, a woody knock and a soft floor thump.
Samples HeelStep(float fVelocity, double dTuning, CRandom& rng)
{
    Samples out(SecondsToFrames(0.16), 0.0f);
    CStateVariableFilter click(2600.0 * dTuning, 3.0);
    COscillator knock(EWaveform::Sine, 430.0 * dTuning);
    COscillator thump(EWaveform::Sine, 95.0);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        out[i] = (click.BandPass(rng.NextBipolar()) * 2.5f * ExpDecay(dT, 0.008) +
                  knock.Next() * 0.5f * ExpDecay(dT, 0.025) + thump.Next() * 0.35f * ExpDecay(dT, 0.04)) *
                 fVelocity;
    }
    return out;
}

Samples BootSteps(int nSteps, double dGapSeconds, uint32_t dwSeed)
{
    CRandom rng(dwSeed);
    Samples out;
    for (int nStep = 0; nStep < nSteps; ++nStep)
    {
        // Steps alternate feet, so the tuning and the weight alternate a little too.
        const double dTuning = nStep % 2 == 0 ? 1.0 : 0.93;
        const float fVelocity = 1.0f - 0.12f * static_cast<float>(nStep);
        MixInto(out, HeelStep(fVelocity, dTuning, rng), SecondsToFrames(dGapSeconds * nStep), 1.0f);
    }
    AddSpace(out, 0.5f, 0.2f, 0.0f, 0.1, 1.0);
    return Finish(out);
}
} // namespace

Samples MakeArrowClick()
{
    CRandom rng(0xC11Cu);
    Samples out = Glide(0.06, 2400.0, 1700.0, 0.012);
    MixInto(out, NoiseSweep(0.02, 5000.0, 3000.0, 0.0005, 0.003, rng), 0, 0.6f);
    return Finish(out);
}

Samples MakeContinueChime()
{
    CRandom rng(0xC4137u);
    Samples out;
    const double kNotes[] = {84.0, 88.0, 91.0}; // C, E, G two octaves above middle C
    for (int i = 0; i < 3; ++i)
        MixInto(out, Bell(kNotes[i], 0.4, 0.8f + 0.1f * static_cast<float>(i), rng),
                SecondsToFrames(0.08 * i), 1.0f);
    AddSpace(out, 0.5f, 0.3f, 0.15f, 0.12, 1.0);
    return Finish(out);
}

Samples MakeWallBootSteps()
{
    return BootSteps(2, 0.3, 0xB0071u);
}

Samples MakeAvenueBootSteps()
{
    return BootSteps(3, 0.2, 0xB0072u);
}

Samples MakeOttomanPoof()
{
    CRandom rng(0x0770u);
    // The body landing: a low thump and a burst of air squeezed out of the cushion.
    Samples out = Glide(0.5, 110.0, 55.0, 0.12);
    MixInto(out, NoiseSweep(1.2, 1400.0, 250.0, 0.03, 0.25, rng), 0, 0.9f);
    // The springs settling: a soft wobbling tone a moment later.
    Samples spring = Glide(0.7, 190.0, 150.0, 0.18);
    COscillator wobble(EWaveform::Sine, 9.0);
    for (float& fSample : spring)
        fSample *= 0.7f + 0.3f * wobble.Next();
    MixInto(out, spring, SecondsToFrames(0.12), 0.35f);
    AddSpace(out, 0.3f, 0.4f, 0.0f, 0.1, 1.0);
    return Finish(out);
}

Samples MakeBeforeRewind()
{
    CRandom rng(0xBEF0u);
    Samples out = Glide(0.55, 1500.0, 260.0, 0.5);
    // A fast tremolo gives the glide the stutter of a tape being wound back.
    COscillator stutter(EWaveform::Square, 18.0);
    for (float& fSample : out)
        fSample *= 0.6f + 0.4f * stutter.Next();
    MixInto(out, NoiseSweep(0.55, 6000.0, 700.0, 0.05, 0.3, rng), 0, 0.5f);
    MixInto(out, Bell(72.0, 0.4, 0.6f, rng), SecondsToFrames(0.45), 0.6f);
    AddSpace(out, 0.4f, 0.4f, 0.0f, 0.1, 1.0);
    return Finish(out);
}

Samples MakeHairSwish(bool bForward)
{
    CRandom rng(bForward ? 0x4A1Fu : 0x4A1Bu);
    const double dLow = 700.0;
    const double dHigh = 6000.0;
    Samples out = bForward ? NoiseSweep(0.4, dLow, dHigh, 0.12, 0.08, rng)
                           : NoiseSweep(0.4, dHigh, dLow, 0.12, 0.08, rng);
    AddSpace(out, 0.3f, 0.3f, 0.0f, 0.1, 1.0);
    return Finish(out);
}

Samples MakeLipsPop()
{
    CRandom rng(0x1195u);
    Samples out = Glide(0.12, 950.0, 260.0, 0.03);
    MixInto(out, NoiseSweep(0.03, 3000.0, 1200.0, 0.001, 0.006, rng), 0, 0.5f);
    AddSpace(out, 0.3f, 0.3f, 0.0f, 0.1, 1.0);
    return Finish(out);
}

Samples MakeGlassesClink()
{
    CRandom rng(0x6145u);
    Samples out = Bell(96.0, 0.6, 0.9f, rng);
    MixInto(out, Bell(103.2, 0.45, 0.6f, rng), SecondsToFrames(0.004), 0.7f);
    AddSpace(out, 0.4f, 0.35f, 0.0f, 0.1, 1.0);
    return Finish(out);
}

Samples MakeEyesSparkle()
{
    CRandom rng(0xE7E5u);
    Samples out;
    const double kNotes[] = {88.0, 91.0, 93.0, 96.0, 100.0}; // a rising major pentatonic run
    for (int i = 0; i < 5; ++i)
        MixInto(out, Bell(kNotes[i], 0.25, 0.7f, rng), SecondsToFrames(0.045 * i), 1.0f);
    AddSpace(out, 0.3f, 0.3f, 0.35f, 0.09, 1.0);
    return Finish(out);
}
} // namespace AudioGen
