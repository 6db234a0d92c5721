// Pitched instrument voices built from the synthesiser blocks.
#include "Instruments.h"

#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace AudioGen
{
namespace
{
// Renders one note through its envelope: tone(dT) is the voice dT seconds into the note,
// before the envelope and the velocity are applied. The buffer holds the gate and the release.
template <typename ToneFn> Samples RenderVoice(const SNoteRequest& note, const SAdsr& adsr, ToneFn tone)
{
    CEnvelope envelope(adsr, note.dSeconds);
    Samples out(SecondsToFrames(envelope.TotalSeconds()), 0.0f);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = tone(FramesToSeconds(i)) * envelope.Next() * note.fVelocity;
    return out;
}

// Saws spread a few cents around the note, for thick synth tones.
COscillatorBank DetunedSaws(double dHz, const std::vector<double>& vCents, CRandom& rng)
{
    std::vector<double> vHz;
    for (double dCents : vCents)
        vHz.push_back(dHz * std::pow(2.0, dCents / 1200.0));
    return COscillatorBank(EWaveform::Saw, vHz, &rng);
}

// A synth voice of detuned saws through a resonant low-pass. With a sweep, the cutoff starts
// dSweepHz above dCutoffHz and falls back to it with the time constant dSweepSeconds; without
// one (dSweepSeconds 0) it stays at dCutoffHz.
struct SSawPatch
{
    SAdsr adsr;
    std::vector<double> vCents; // detuning of each saw
    double dResonance;
    double dCutoffHz;
    double dSweepHz;
    double dSweepSeconds;
};

Samples RenderFilteredSaws(const SNoteRequest& note, CRandom& rng, const SSawPatch& patch)
{
    COscillatorBank saws = DetunedSaws(note.dHz, patch.vCents, rng);
    CStateVariableFilter filter(patch.dCutoffHz + patch.dSweepHz, patch.dResonance);
    return RenderVoice(note, patch.adsr,
                       [&](double dT)
                       {
                           if (patch.dSweepSeconds > 0.0)
                               filter.SetCutoff(patch.dCutoffHz +
                                                patch.dSweepHz * ExpDecay(dT, patch.dSweepSeconds));
                           return filter.LowPass(saws.Next());
                       });
}
} // namespace

Samples RenderElectricPiano(const SNoteRequest& note, CRandom& /*rng*/)
{
    CFmVoice body(note.dHz, 1.0);
    CFmVoice tine(note.dHz, 14.0);
    // Low notes ring longer than high ones, as on the real instrument.
    const double dRing = 1.6 * std::pow(261.6 / note.dHz, 0.35);
    return RenderVoice(note, {0.002, 0.0, 1.0f, 0.25},
                       [&](double dT)
                       {
                           const float fIndex = (0.4f + 2.2f * note.fVelocity) * ExpDecay(dT, 0.35) + 0.25f;
                           const float fTone =
                               body.Next(fIndex) + 0.15f * tine.Next(0.8f) * ExpDecay(dT, 0.02);
                           return fTone * ExpDecay(dT, dRing);
                       });
}

Samples RenderVibes(const SNoteRequest& note, CRandom& /*rng*/)
{
    COscillator fundamental(EWaveform::Sine, note.dHz);
    COscillator partial(EWaveform::Sine, note.dHz * 4.0);
    COscillator tremolo(EWaveform::Sine, 5.2);
    return RenderVoice(note, {0.001, 0.0, 1.0f, 0.4},
                       [&](double dT)
                       {
                           const float fTone =
                               fundamental.Next() + 0.25f * partial.Next() * ExpDecay(dT, 0.15);
                           const float fTremolo = 1.0f - 0.25f * (0.5f + 0.5f * tremolo.Next());
                           return fTone * fTremolo * ExpDecay(dT, 1.3);
                       });
}

Samples RenderUprightBass(const SNoteRequest& note, CRandom& /*rng*/)
{
    COscillator sine(EWaveform::Sine, note.dHz);
    COscillator triangle(EWaveform::Triangle, note.dHz);
    COnePole tone(900.0);
    return RenderVoice(note, {0.006, 0.0, 1.0f, 0.08},
                       [&](double dT)
                       {
                           const float fTone =
                               tone.LowPass(sine.Next() * 0.7f + triangle.Next() * 0.5f * ExpDecay(dT, 0.12));
                           return fTone * (0.55f + 0.45f * ExpDecay(dT, 0.18));
                       });
}

Samples RenderSubBass(const SNoteRequest& note, CRandom& /*rng*/)
{
    COscillator sine(EWaveform::Sine, note.dHz);
    return RenderVoice(note, {0.005, 0.1, 0.85f, 0.07},
                       [&](double /*dT*/) { return std::tanh(2.0f * sine.Next()) * 0.8f; });
}

Samples RenderSynthBass(const SNoteRequest& note, CRandom& rng)
{
    return RenderFilteredSaws(note, rng, {{0.002, 0.15, 0.6f, 0.05}, {-6.0, 6.0}, 1.4, 220.0, 1800.0, 0.07});
}

Samples RenderStab(const SNoteRequest& note, CRandom& rng)
{
    return RenderFilteredSaws(note, rng,
                              {{0.004, 0.12, 0.45f, 0.12}, {-9.0, 0.0, 9.0}, 1.1, 600.0, 3400.0, 0.09});
}

Samples RenderPad(const SNoteRequest& note, CRandom& rng)
{
    return RenderFilteredSaws(note, rng,
                              {{0.35, 0.4, 0.8f, 0.6}, {-12.0, -4.0, 5.0, 11.0}, 0.7, 1800.0, 0.0, 0.0});
}

Samples RenderLead(const SNoteRequest& note, CRandom& /*rng*/)
{
    COscillator square(EWaveform::Square, note.dHz);
    COscillator saw(EWaveform::Saw, note.dHz * 1.003);
    COscillator vibrato(EWaveform::Sine, 5.5);
    CStateVariableFilter filter(4200.0, 0.9);
    return RenderVoice(note, {0.01, 0.1, 0.75f, 0.12},
                       [&](double dT)
                       {
                           // The vibrato fades in after the attack, up to about a sixth of a semitone.
                           const double dDepth = 0.01 * std::min(1.0, std::max(0.0, (dT - 0.15) / 0.25));
                           const double dBend = 1.0 + dDepth * vibrato.Next();
                           square.SetFrequency(note.dHz * dBend);
                           saw.SetFrequency(note.dHz * 1.003 * dBend);
                           return filter.LowPass(square.Next() * 0.45f + saw.Next() * 0.35f);
                       });
}

Samples RenderBell(const SNoteRequest& note, CRandom& /*rng*/)
{
    CFmVoice bell(note.dHz, 3.5);
    // High bells get a gentler modulation so their sidebands stay below the Nyquist frequency
    // instead of folding back as harsh, unrelated tones.
    const float fBrightness = static_cast<float>(std::clamp(1500.0 / note.dHz, 0.15, 1.0));
    return RenderVoice(note, {0.001, 0.0, 1.0f, 0.05},
                       [&](double dT)
                       {
                           const float fIndex = (3.0f * ExpDecay(dT, 0.25) + 0.3f) * fBrightness;
                           return bell.Next(fIndex) * ExpDecay(dT, note.dSeconds * 0.35);
                       });
}
} // namespace AudioGen
