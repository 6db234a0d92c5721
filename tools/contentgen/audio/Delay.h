// Delay-line effects: a feedback echo with damped repeats, and the comb and all-pass stages
// the reverb is built from.
#pragma once

#include <cstddef>
#include <vector>

namespace AudioGen
{
// A circular buffer holding the last N samples.
class CDelayLine
{
public:
    explicit CDelayLine(size_t nLength);

    // The sample written N calls ago.
    float Read() const;
    void Write(float fIn);

private:
    std::vector<float> m_vBuffer;
    size_t m_nPos;
};

// Echo: returns only the delayed (wet) signal. Each repeat is multiplied by the feedback and
// darkened by a one-pole low-pass, as tape and analogue echoes do.
class CFeedbackDelay
{
public:
    CFeedbackDelay(double dSeconds, float fFeedback, double dDampHz);

    float Process(float fIn);

private:
    CDelayLine m_line;
    float m_fFeedback;
    float m_fDampCoeff;
    float m_fDampState;
};

// Feedback comb with a damped loop, the body of the reverb.
class CCombFilter
{
public:
    CCombFilter(size_t nLength, float fFeedback, float fDamping);

    float Process(float fIn);

private:
    CDelayLine m_line;
    float m_fFeedback;
    float m_fDamping;
    float m_fStore;
};

// Schroeder all-pass: smears the comb output into a dense tail without colouring it.
class CAllPassFilter
{
public:
    CAllPassFilter(size_t nLength, float fGain);

    float Process(float fIn);

private:
    CDelayLine m_line;
    float m_fGain;
};
} // namespace AudioGen
