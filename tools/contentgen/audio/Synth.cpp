// Oscillators, FM voice, envelope and filters of the content synthesiser.
#include "Synth.h"

#include "AudioTypes.h"

#include <algorithm>
#include <cmath>

namespace AudioGen
{
namespace
{
// Polynomial band-limited step: the correction added around a discontinuity of a naive
// waveform, t being the phase and dt the phase increment.
double PolyBlep(double dT, double dDt)
{
    if (dT < dDt)
    {
        const double dX = dT / dDt;
        return dX + dX - dX * dX - 1.0;
    }
    if (dT > 1.0 - dDt)
    {
        const double dX = (dT - 1.0) / dDt;
        return dX * dX + dX + dX + 1.0;
    }
    return 0.0;
}

double WrapPhase(double dPhase)
{
    return dPhase - std::floor(dPhase);
}

// The common case of a phase that moved by less than one cycle, without the cost of floor.
double AdvancePhase(double dPhase, double dIncrement)
{
    dPhase += dIncrement;
    return dPhase >= 1.0 ? dPhase - 1.0 : dPhase;
}

float SineOfPhase(double dPhase)
{
    return std::sin(static_cast<float>(2.0 * kPi * dPhase));
}
} // namespace

float ExpDecay(double dTime, double dTimeConstant)
{
    return static_cast<float>(std::exp(-dTime / dTimeConstant));
}

COscillator::COscillator(EWaveform eWave, double dHz, double dStartPhase)
    : m_eWave(eWave), m_dPhase(WrapPhase(dStartPhase)), m_dIncrement(0.0)
{
    SetFrequency(dHz);
}

void COscillator::SetFrequency(double dHz)
{
    // Keep below Nyquist so the band-limiting corrections stay valid.
    m_dIncrement = std::clamp(dHz / kSampleRate, 0.0, 0.45);
}

float COscillator::Next()
{
    const double dT = m_dPhase;
    const double dDt = m_dIncrement;
    double dOut = 0.0;
    switch (m_eWave)
    {
    case EWaveform::Sine:
        dOut = SineOfPhase(dT);
        break;
    case EWaveform::Saw:
        dOut = 2.0 * dT - 1.0 - PolyBlep(dT, dDt);
        break;
    case EWaveform::Square:
        dOut = (dT < 0.5 ? 1.0 : -1.0) + PolyBlep(dT, dDt) - PolyBlep(AdvancePhase(dT, 0.5), dDt);
        break;
    case EWaveform::Triangle:
        // Only the slope jumps, so the naive shape aliases little enough for our uses.
        dOut = 1.0 - 4.0 * std::fabs(dT - 0.5);
        break;
    }
    m_dPhase = AdvancePhase(m_dPhase, m_dIncrement);
    return static_cast<float>(dOut);
}

COscillatorBank::COscillatorBank(EWaveform eWave, const std::vector<double>& vHz, CRandom* pPhases)
{
    for (double dHz : vHz)
        m_vOscillators.emplace_back(eWave, dHz, pPhases != nullptr ? pPhases->NextUnit() : 0.0);
}

float COscillatorBank::Next()
{
    if (m_vOscillators.empty())
        return 0.0f;
    float fSum = 0.0f;
    for (COscillator& osc : m_vOscillators)
        fSum += osc.Next();
    return fSum / static_cast<float>(m_vOscillators.size());
}

CFmVoice::CFmVoice(double dCarrierHz, double dModulatorRatio)
    : m_dCarrierPhase(0.0), m_dModulatorPhase(0.0),
      // Increments are kept below one cycle; a whole extra cycle per sample sounds the same.
      m_dCarrierInc(WrapPhase(dCarrierHz / kSampleRate)),
      m_dModulatorInc(WrapPhase(dCarrierHz * dModulatorRatio / kSampleRate))
{
}

float CFmVoice::Next(float fModIndex)
{
    const float fMod = SineOfPhase(m_dModulatorPhase) * fModIndex;
    const float fOut = std::sin(static_cast<float>(2.0 * kPi * m_dCarrierPhase) + fMod);
    m_dCarrierPhase = AdvancePhase(m_dCarrierPhase, m_dCarrierInc);
    m_dModulatorPhase = AdvancePhase(m_dModulatorPhase, m_dModulatorInc);
    return fOut;
}

CEnvelope::CEnvelope(const SAdsr& adsr, double dGateSeconds)
    : m_adsr(adsr), m_dGate(std::max(0.0, dGateSeconds)), m_dTime(0.0), m_fLevel(0.0f), m_fReleaseStart(0.0f),
      m_bReleasing(false)
{
}

float CEnvelope::Next()
{
    const double dT = m_dTime;
    m_dTime += 1.0 / kSampleRate;
    if (!m_bReleasing && dT >= m_dGate)
    {
        m_bReleasing = true;
        m_fReleaseStart = m_fLevel;
    }
    if (m_bReleasing)
    {
        const double dInto = dT - m_dGate;
        if (m_adsr.dRelease <= 0.0 || dInto >= m_adsr.dRelease)
        {
            m_fLevel = 0.0f;
        }
        else
        {
            // Squared fall: quick at first, then a soft landing on zero.
            const double dLeft = 1.0 - dInto / m_adsr.dRelease;
            m_fLevel = static_cast<float>(m_fReleaseStart * dLeft * dLeft);
        }
        return m_fLevel;
    }
    if (dT < m_adsr.dAttack)
    {
        m_fLevel = static_cast<float>(dT / m_adsr.dAttack);
    }
    else if (dT < m_adsr.dAttack + m_adsr.dDecay)
    {
        const double dLeft = 1.0 - (dT - m_adsr.dAttack) / m_adsr.dDecay;
        m_fLevel = static_cast<float>(m_adsr.fSustain + (1.0 - m_adsr.fSustain) * dLeft * dLeft);
    }
    else
    {
        m_fLevel = m_adsr.fSustain;
    }
    return m_fLevel;
}

bool CEnvelope::IsFinished() const
{
    return m_dTime >= TotalSeconds();
}

double CEnvelope::TotalSeconds() const
{
    return m_dGate + std::max(0.0, m_adsr.dRelease);
}

CStateVariableFilter::CStateVariableFilter(double dCutoffHz, double dResonanceQ)
    : m_dQ(std::max(0.5, dResonanceQ)), m_dG(0.0), m_dK(1.0 / m_dQ), m_dIc1(0.0), m_dIc2(0.0), m_fLow(0.0f),
      m_fBand(0.0f), m_fHigh(0.0f)
{
    SetCutoff(dCutoffHz);
}

void CStateVariableFilter::SetCutoff(double dCutoffHz)
{
    const double dHz = std::clamp(dCutoffHz, 10.0, kSampleRate * 0.49);
    m_dG = std::tan(kPi * dHz / kSampleRate);
}

void CStateVariableFilter::Tick(float fIn)
{
    const double dA1 = 1.0 / (1.0 + m_dG * (m_dG + m_dK));
    const double dV3 = fIn - m_dIc2;
    const double dV1 = dA1 * m_dIc1 + m_dG * dA1 * dV3;
    const double dV2 = m_dIc2 + m_dG * dV1;
    m_dIc1 = 2.0 * dV1 - m_dIc1;
    m_dIc2 = 2.0 * dV2 - m_dIc2;
    m_fLow = static_cast<float>(dV2);
    m_fBand = static_cast<float>(dV1);
    m_fHigh = static_cast<float>(fIn - m_dK * dV1 - dV2);
}

float CStateVariableFilter::LowPass(float fIn)
{
    Tick(fIn);
    return m_fLow;
}

float CStateVariableFilter::BandPass(float fIn)
{
    Tick(fIn);
    return m_fBand;
}

float CStateVariableFilter::HighPass(float fIn)
{
    Tick(fIn);
    return m_fHigh;
}

COnePole::COnePole(double dCutoffHz)
    : m_fCoefficient(static_cast<float>(1.0 - std::exp(-2.0 * kPi * dCutoffHz / kSampleRate))), m_fState(0.0f)
{
}

float COnePole::LowPass(float fIn)
{
    m_fState += m_fCoefficient * (fIn - m_fState);
    return m_fState;
}

float COnePole::HighPass(float fIn)
{
    return fIn - LowPass(fIn);
}
} // namespace AudioGen
