// Small signal helpers shared by the content sound tests.
#pragma once

#include "AudioTypes.h"

#include <cmath>
#include <cstddef>

namespace AudioGenTest
{
// Rising zero crossings per second over the buffer: the frequency of a periodic signal.
inline double MeasureHz(const AudioGen::Samples& samples)
{
    size_t nCrossings = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f)
            ++nCrossings;
    return static_cast<double>(nCrossings) / AudioGen::FramesToSeconds(samples.size());
}

inline AudioGen::Samples Sine(double dHz, double dSeconds, float fAmplitude,
                              int nRate = AudioGen::kSampleRate)
{
    AudioGen::Samples out(static_cast<size_t>(dSeconds * nRate));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = fAmplitude *
                 static_cast<float>(std::sin(2.0 * AudioGen::kPi * dHz * static_cast<double>(i) / nRate));
    return out;
}
} // namespace AudioGenTest
