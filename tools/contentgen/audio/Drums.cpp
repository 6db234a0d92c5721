// Drum synthesis. Every drum is a sum of simple sources, each with an exponential decay.
#include "Drums.h"

#include "Synth.h"

#include <cmath>

namespace AudioGen
{
namespace
{
// A buffer long enough for a decay of the given time constant to fall below -60 dB.
Samples HitBuffer(double dTimeConstant)
{
    return Samples(SecondsToFrames(dTimeConstant * 7.0 + 0.005), 0.0f);
}

// Six square waves at inharmonic ratios: the classic metallic cluster of cymbals and hats.
COscillatorBank MetalCluster(double dBaseHz)
{
    std::vector<double> vHz;
    for (double dRatio : {1.0, 1.342, 1.2312, 1.6532, 1.9523, 2.1523})
        vHz.push_back(dBaseHz * dRatio);
    return COscillatorBank(EWaveform::Square, vHz);
}
}  // namespace

Samples RenderKick(const SNoteRequest& note, CRandom& rng)
{
    Samples out = HitBuffer(note.dSeconds);
    double dPhase = 0.0;
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        // Pitch glides down from 3x to 1x the tuning within about 40 ms.
        const double dHz = note.dHz * (1.0 + 2.0 * std::exp(-dT / 0.015));
        dPhase += dHz / kSampleRate;
        const float fBody = static_cast<float>(std::sin(2.0 * kPi * dPhase)) * ExpDecay(dT, note.dSeconds);
        const float fClick = rng.NextBipolar() * ExpDecay(dT, 0.0015) * 0.3f;
        // A touch of saturation thickens the body.
        out[i] = std::tanh(1.5f * (fBody + fClick)) * note.fVelocity;
    }
    return out;
}

Samples RenderSnare(const SNoteRequest& note, CRandom& rng)
{
    Samples out = HitBuffer(note.dSeconds);
    COscillator body1(EWaveform::Sine, note.dHz);
    COscillator body2(EWaveform::Sine, note.dHz * 1.83);
    CStateVariableFilter noiseFilter(5000.0, 0.7);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fBody = (body1.Next() * 0.6f + body2.Next() * 0.4f) * ExpDecay(dT, 0.05);
        const float fNoise = noiseFilter.BandPass(rng.NextBipolar()) * ExpDecay(dT, note.dSeconds);
        out[i] = (fBody * 0.5f + fNoise * 1.2f) * note.fVelocity;
    }
    return out;
}

Samples RenderClap(const SNoteRequest& note, CRandom& rng)
{
    Samples out = HitBuffer(note.dSeconds + 0.03);
    CStateVariableFilter filter(note.dHz, 1.5);
    const double kBurstGap = 0.011;
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        float fEnvelope = 0.0f;
        if (dT < 3.0 * kBurstGap)
            fEnvelope = ExpDecay(std::fmod(dT, kBurstGap), 0.004);
        else
            fEnvelope = ExpDecay(dT - 3.0 * kBurstGap, note.dSeconds);
        out[i] = filter.BandPass(rng.NextBipolar()) * fEnvelope * 1.6f * note.fVelocity;
    }
    return out;
}

Samples RenderHat(const SNoteRequest& note, CRandom& rng)
{
    Samples out = HitBuffer(note.dSeconds);
    COscillatorBank metal = MetalCluster(note.dHz);
    CStateVariableFilter highPass(6500.0, 0.8);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fSource = metal.Next() * 0.5f + rng.NextBipolar() * 0.5f;
        out[i] = highPass.HighPass(fSource) * ExpDecay(dT, note.dSeconds) * note.fVelocity;
    }
    return out;
}

Samples RenderBrush(const SNoteRequest& note, CRandom& rng)
{
    Samples out(SecondsToFrames(note.dSeconds * 5.0 + 0.03), 0.0f);
    CStateVariableFilter filter(note.dHz, 0.9);
    const double kAttack = 0.025;
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fEnvelope = dT < kAttack ? static_cast<float>(dT / kAttack) : ExpDecay(dT - kAttack, note.dSeconds);
        out[i] = filter.BandPass(rng.NextBipolar()) * fEnvelope * note.fVelocity;
    }
    return out;
}

Samples RenderCymbal(const SNoteRequest& note, CRandom& rng)
{
    Samples out = HitBuffer(note.dSeconds);
    COscillatorBank metal = MetalCluster(note.dHz);
    CStateVariableFilter highPass(4000.0, 0.7);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fSource = metal.Next() * 0.6f + rng.NextBipolar() * 0.4f;
        const float fEnvelope = ExpDecay(dT, note.dSeconds) * 0.8f + ExpDecay(dT, 0.01) * 0.2f;
        out[i] = highPass.HighPass(fSource) * fEnvelope * note.fVelocity;
    }
    return out;
}
}  // namespace AudioGen
