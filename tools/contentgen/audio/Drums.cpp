// Drum synthesis. Every drum is a sum of simple sources, each with an exponential decay.
#include "Drums.h"

#include "Synth.h"

#include <cmath>

namespace AudioGen
{
namespace
{
// Time for a decay of the given time constant to fall below -60 dB.
double DecaySeconds(double dTimeConstant)
{
    return dTimeConstant * 7.0 + 0.005;
}

// Renders one hit dSeconds long: hit(dT) is the sound dT seconds after the strike, before
// the velocity is applied.
template <typename HitFn> Samples RenderHit(const SNoteRequest& note, double dSeconds, HitFn hit)
{
    Samples out(SecondsToFrames(dSeconds), 0.0f);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = hit(FramesToSeconds(i)) * note.fVelocity;
    return out;
}

// Six square waves at inharmonic ratios: the classic metallic cluster of cymbals and hats.
COscillatorBank MetalCluster(double dBaseHz)
{
    std::vector<double> vHz;
    for (double dRatio : {1.0, 1.342, 1.2312, 1.6532, 1.9523, 2.1523})
        vHz.push_back(dBaseHz * dRatio);
    return COscillatorBank(EWaveform::Square, vHz);
}

// A metallic hit: the square cluster and white noise through a high-pass. Its envelope is the
// note's decay plus, for cymbals, a 10 ms strike layered on top.
struct SMetalPatch
{
    double dHighPassHz;
    double dResonance;
    float fCluster; // mix of the square cluster
    float fNoise;   // mix of the noise
    float fDecay;   // weight of the decay
    float fStrike;  // weight of the strike
};

Samples RenderMetal(const SNoteRequest& note, CRandom& rng, const SMetalPatch& patch)
{
    COscillatorBank metal = MetalCluster(note.dHz);
    CStateVariableFilter highPass(patch.dHighPassHz, patch.dResonance);
    return RenderHit(note, DecaySeconds(note.dSeconds),
                     [&](double dT)
                     {
                         const float fSource =
                             metal.Next() * patch.fCluster + rng.NextBipolar() * patch.fNoise;
                         const float fEnvelope =
                             ExpDecay(dT, note.dSeconds) * patch.fDecay + ExpDecay(dT, 0.01) * patch.fStrike;
                         return highPass.HighPass(fSource) * fEnvelope;
                     });
}
} // namespace

Samples RenderKick(const SNoteRequest& note, CRandom& rng)
{
    double dPhase = 0.0;
    return RenderHit(note, DecaySeconds(note.dSeconds),
                     [&](double dT)
                     {
                         // Pitch glides down from 3x to 1x the tuning within about 40 ms.
                         const double dHz = note.dHz * (1.0 + 2.0 * std::exp(-dT / 0.015));
                         dPhase += dHz / kSampleRate;
                         const float fBody =
                             static_cast<float>(std::sin(2.0 * kPi * dPhase)) * ExpDecay(dT, note.dSeconds);
                         const float fClick = rng.NextBipolar() * ExpDecay(dT, 0.0015) * 0.3f;
                         // A touch of saturation thickens the body.
                         return std::tanh(1.5f * (fBody + fClick));
                     });
}

Samples RenderSnare(const SNoteRequest& note, CRandom& rng)
{
    COscillator body1(EWaveform::Sine, note.dHz);
    COscillator body2(EWaveform::Sine, note.dHz * 1.83);
    CStateVariableFilter noiseFilter(5000.0, 0.7);
    return RenderHit(note, DecaySeconds(note.dSeconds),
                     [&](double dT)
                     {
                         const float fBody = (body1.Next() * 0.6f + body2.Next() * 0.4f) * ExpDecay(dT, 0.05);
                         const float fNoise =
                             noiseFilter.BandPass(rng.NextBipolar()) * ExpDecay(dT, note.dSeconds);
                         return fBody * 0.5f + fNoise * 1.2f;
                     });
}

Samples RenderClap(const SNoteRequest& note, CRandom& rng)
{
    CStateVariableFilter filter(note.dHz, 1.5);
    const double kBurstGap = 0.011;
    return RenderHit(note, DecaySeconds(note.dSeconds + 0.03),
                     [&](double dT)
                     {
                         float fEnvelope = 0.0f;
                         if (dT < 3.0 * kBurstGap)
                             fEnvelope = ExpDecay(std::fmod(dT, kBurstGap), 0.004);
                         else
                             fEnvelope = ExpDecay(dT - 3.0 * kBurstGap, note.dSeconds);
                         return filter.BandPass(rng.NextBipolar()) * fEnvelope * 1.6f;
                     });
}

Samples RenderHat(const SNoteRequest& note, CRandom& rng)
{
    return RenderMetal(note, rng, {6500.0, 0.8, 0.5f, 0.5f, 1.0f, 0.0f});
}

Samples RenderBrush(const SNoteRequest& note, CRandom& rng)
{
    CStateVariableFilter filter(note.dHz, 0.9);
    const double kAttack = 0.025;
    return RenderHit(note, note.dSeconds * 5.0 + 0.03,
                     [&](double dT)
                     {
                         const float fEnvelope = dT < kAttack ? static_cast<float>(dT / kAttack)
                                                              : ExpDecay(dT - kAttack, note.dSeconds);
                         return filter.BandPass(rng.NextBipolar()) * fEnvelope;
                     });
}

Samples RenderCymbal(const SNoteRequest& note, CRandom& rng)
{
    return RenderMetal(note, rng, {4000.0, 0.7, 0.6f, 0.4f, 0.8f, 0.2f});
}
} // namespace AudioGen
