// The synthesiser's building blocks: oscillators (sine, triangle and band-limited saw and
// square), a two-operator FM voice, an ADSR envelope and two filters. All run sample by sample
// at the content sample rate.
#pragma once

#include "Random.h"

#include <vector>

namespace AudioGen
{
// exp(-t / tau): the natural fall of a struck or plucked sound, 1 at t = 0.
float ExpDecay(double dTime, double dTimeConstant);

enum class EWaveform
{
    Sine,
    Triangle,
    Saw,
    Square
};

// A free-running oscillator. Saw and square use polynomial band-limited steps so that high
// notes do not fold audible aliases back into the spectrum.
class COscillator
{
public:
    COscillator(EWaveform eWave, double dHz, double dStartPhase = 0.0);

    void SetFrequency(double dHz);
    float Next();

private:
    EWaveform m_eWave;
    double m_dPhase;     // 0..1
    double m_dIncrement; // cycles per sample
};

// Several oscillators of one waveform summed and scaled back to unit level: detuned saws for
// thick synth tones, square clusters at inharmonic ratios for metallic cymbals. Start phases
// come from the generator when one is given, so stacked voices do not start in lock step.
class COscillatorBank
{
public:
    COscillatorBank(EWaveform eWave, const std::vector<double>& vHz, CRandom* pPhases = nullptr);

    float Next();

private:
    std::vector<COscillator> m_vOscillators;
};

// Carrier and modulator sines; the modulation index is supplied per sample so that callers
// can let the brightness decay with the note.
class CFmVoice
{
public:
    CFmVoice(double dCarrierHz, double dModulatorRatio);

    float Next(float fModIndex);

private:
    double m_dCarrierPhase;
    double m_dModulatorPhase;
    double m_dCarrierInc;
    double m_dModulatorInc;
};

struct SAdsr
{
    double dAttack;  // seconds from 0 to 1
    double dDecay;   // seconds from 1 to the sustain level
    float fSustain;  // level held while the gate is open
    double dRelease; // seconds from the level at gate end to 0
};

// Linear-attack, exponential-shaped decay and release envelope. The gate closes after a fixed
// time; the release then starts from whatever level the envelope had reached.
class CEnvelope
{
public:
    CEnvelope(const SAdsr& adsr, double dGateSeconds);

    float Next();
    bool IsFinished() const;
    // Length of the whole envelope (gate plus release) in seconds.
    double TotalSeconds() const;

private:
    SAdsr m_adsr;
    double m_dGate;
    double m_dTime;
    float m_fLevel;
    float m_fReleaseStart;
    bool m_bReleasing;
};

// Zero-delay-feedback state-variable filter; one call gives the low-pass, band-pass and
// high-pass outputs of the same input.
class CStateVariableFilter
{
public:
    CStateVariableFilter(double dCutoffHz, double dResonanceQ);

    void SetCutoff(double dCutoffHz);
    float LowPass(float fIn);
    float BandPass(float fIn);
    float HighPass(float fIn);

private:
    void Tick(float fIn);

    double m_dQ;
    double m_dG;
    double m_dK;
    double m_dIc1;
    double m_dIc2;
    float m_fLow;
    float m_fBand;
    float m_fHigh;
};

// One-pole low-pass, used for damping and smoothing.
class COnePole
{
public:
    explicit COnePole(double dCutoffHz);

    float LowPass(float fIn);
    float HighPass(float fIn);

private:
    float m_fCoefficient;
    float m_fState;
};
} // namespace AudioGen
