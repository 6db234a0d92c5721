// Delay lines, the feedback echo, and the comb and all-pass stages of the reverb.
#include "Delay.h"

#include "AudioTypes.h"

#include <algorithm>
#include <cmath>

namespace AudioGen
{
CDelayLine::CDelayLine(size_t nLength) : m_vBuffer(std::max<size_t>(nLength, 1), 0.0f), m_nPos(0) {}

float CDelayLine::Read() const
{
    return m_vBuffer[m_nPos];
}

void CDelayLine::Write(float fIn)
{
    m_vBuffer[m_nPos] = fIn;
    m_nPos = (m_nPos + 1) % m_vBuffer.size();
}

CFeedbackDelay::CFeedbackDelay(double dSeconds, float fFeedback, double dDampHz)
    : m_line(SecondsToFrames(dSeconds)), m_fFeedback(std::clamp(fFeedback, 0.0f, 0.95f)),
      m_fDampCoeff(static_cast<float>(1.0 - std::exp(-2.0 * kPi * dDampHz / kSampleRate))), m_fDampState(0.0f)
{
}

float CFeedbackDelay::Process(float fIn)
{
    const float fWet = m_line.Read();
    m_fDampState += m_fDampCoeff * (fWet - m_fDampState);
    m_line.Write(fIn + m_fDampState * m_fFeedback);
    return fWet;
}

CCombFilter::CCombFilter(size_t nLength, float fFeedback, float fDamping)
    : m_line(nLength), m_fFeedback(fFeedback), m_fDamping(fDamping), m_fStore(0.0f)
{
}

float CCombFilter::Process(float fIn)
{
    const float fOut = m_line.Read();
    m_fStore = fOut * (1.0f - m_fDamping) + m_fStore * m_fDamping;
    m_line.Write(fIn + m_fStore * m_fFeedback);
    return fOut;
}

CAllPassFilter::CAllPassFilter(size_t nLength, float fGain) : m_line(nLength), m_fGain(fGain) {}

float CAllPassFilter::Process(float fIn)
{
    const float fDelayed = m_line.Read();
    const float fOut = fDelayed - m_fGain * fIn;
    m_line.Write(fIn + m_fGain * fDelayed);
    return fOut;
}
} // namespace AudioGen
