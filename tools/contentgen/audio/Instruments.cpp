// Pitched instrument voices built from the synthesiser blocks.
#include "Instruments.h"

#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace AudioGen
{
namespace
{
Samples NoteBuffer(const CEnvelope& envelope)
{
    return Samples(SecondsToFrames(envelope.TotalSeconds()), 0.0f);
}

// Saws spread a few cents around the note, for thick synth tones.
COscillatorBank DetunedSaws(double dHz, std::initializer_list<double> cents, CRandom& rng)
{
    std::vector<double> vHz;
    for (double dCents : cents)
        vHz.push_back(dHz * std::pow(2.0, dCents / 1200.0));
    return COscillatorBank(EWaveform::Saw, vHz, &rng);
}
}  // namespace

Samples RenderElectricPiano(const SNoteRequest& note, CRandom& /*rng*/)
{
    CEnvelope envelope({0.002, 0.0, 1.0f, 0.25}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    CFmVoice body(note.dHz, 1.0);
    CFmVoice tine(note.dHz, 14.0);
    // Low notes ring longer than high ones, as on the real instrument.
    const double dRing = 1.6 * std::pow(261.6 / note.dHz, 0.35);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fIndex = (0.4f + 2.2f * note.fVelocity) * ExpDecay(dT, 0.35) + 0.25f;
        const float fTone = body.Next(fIndex) + 0.15f * tine.Next(0.8f) * ExpDecay(dT, 0.02);
        out[i] = fTone * ExpDecay(dT, dRing) * envelope.Next() * note.fVelocity;
    }
    return out;
}

Samples RenderVibes(const SNoteRequest& note, CRandom& /*rng*/)
{
    CEnvelope envelope({0.001, 0.0, 1.0f, 0.4}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    COscillator fundamental(EWaveform::Sine, note.dHz);
    COscillator partial(EWaveform::Sine, note.dHz * 4.0);
    COscillator tremolo(EWaveform::Sine, 5.2);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fTone = fundamental.Next() + 0.25f * partial.Next() * ExpDecay(dT, 0.15);
        const float fTremolo = 1.0f - 0.25f * (0.5f + 0.5f * tremolo.Next());
        out[i] = fTone * fTremolo * ExpDecay(dT, 1.3) * envelope.Next() * note.fVelocity;
    }
    return out;
}

Samples RenderUprightBass(const SNoteRequest& note, CRandom& /*rng*/)
{
    CEnvelope envelope({0.006, 0.0, 1.0f, 0.08}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    COscillator sine(EWaveform::Sine, note.dHz);
    COscillator triangle(EWaveform::Triangle, note.dHz);
    COnePole tone(900.0);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fTone = tone.LowPass(sine.Next() * 0.7f + triangle.Next() * 0.5f * ExpDecay(dT, 0.12));
        out[i] = fTone * (0.55f + 0.45f * ExpDecay(dT, 0.18)) * envelope.Next() * note.fVelocity;
    }
    return out;
}

Samples RenderSubBass(const SNoteRequest& note, CRandom& /*rng*/)
{
    CEnvelope envelope({0.005, 0.1, 0.85f, 0.07}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    COscillator sine(EWaveform::Sine, note.dHz);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = std::tanh(2.0f * sine.Next()) * 0.8f * envelope.Next() * note.fVelocity;
    return out;
}

Samples RenderSynthBass(const SNoteRequest& note, CRandom& rng)
{
    CEnvelope envelope({0.002, 0.15, 0.6f, 0.05}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    COscillatorBank saws = DetunedSaws(note.dHz, {-6.0, 6.0}, rng);
    CStateVariableFilter filter(800.0, 1.4);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        filter.SetCutoff(220.0 + 1800.0 * ExpDecay(dT, 0.07));
        out[i] = filter.LowPass(saws.Next()) * envelope.Next() * note.fVelocity;
    }
    return out;
}

Samples RenderStab(const SNoteRequest& note, CRandom& rng)
{
    CEnvelope envelope({0.004, 0.12, 0.45f, 0.12}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    COscillatorBank saws = DetunedSaws(note.dHz, {-9.0, 0.0, 9.0}, rng);
    CStateVariableFilter filter(3000.0, 1.1);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        filter.SetCutoff(600.0 + 3400.0 * ExpDecay(dT, 0.09));
        out[i] = filter.LowPass(saws.Next()) * envelope.Next() * note.fVelocity;
    }
    return out;
}

Samples RenderPad(const SNoteRequest& note, CRandom& rng)
{
    CEnvelope envelope({0.35, 0.4, 0.8f, 0.6}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    COscillatorBank saws = DetunedSaws(note.dHz, {-12.0, -4.0, 5.0, 11.0}, rng);
    CStateVariableFilter filter(1800.0, 0.7);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = filter.LowPass(saws.Next()) * envelope.Next() * note.fVelocity;
    return out;
}

Samples RenderLead(const SNoteRequest& note, CRandom& /*rng*/)
{
    CEnvelope envelope({0.01, 0.1, 0.75f, 0.12}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    COscillator square(EWaveform::Square, note.dHz);
    COscillator saw(EWaveform::Saw, note.dHz * 1.003);
    COscillator vibrato(EWaveform::Sine, 5.5);
    CStateVariableFilter filter(4200.0, 0.9);
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        // The vibrato fades in after the attack, up to about a sixth of a semitone.
        const double dDepth = 0.01 * std::min(1.0, std::max(0.0, (dT - 0.15) / 0.25));
        const double dBend = 1.0 + dDepth * vibrato.Next();
        square.SetFrequency(note.dHz * dBend);
        saw.SetFrequency(note.dHz * 1.003 * dBend);
        out[i] = filter.LowPass(square.Next() * 0.45f + saw.Next() * 0.35f) * envelope.Next() * note.fVelocity;
    }
    return out;
}

Samples RenderBell(const SNoteRequest& note, CRandom& /*rng*/)
{
    CEnvelope envelope({0.001, 0.0, 1.0f, 0.05}, note.dSeconds);
    Samples out = NoteBuffer(envelope);
    CFmVoice bell(note.dHz, 3.5);
    // High bells get a gentler modulation so their sidebands stay below the Nyquist frequency
    // instead of folding back as harsh, unrelated tones.
    const float fBrightness = static_cast<float>(std::clamp(1500.0 / note.dHz, 0.15, 1.0));
    for (size_t i = 0; i < out.size(); ++i)
    {
        const double dT = FramesToSeconds(i);
        const float fIndex = (3.0f * ExpDecay(dT, 0.25) + 0.3f) * fBrightness;
        out[i] = bell.Next(fIndex) * ExpDecay(dT, note.dSeconds * 0.35) * envelope.Next() * note.fVelocity;
    }
    return out;
}
}  // namespace AudioGen
