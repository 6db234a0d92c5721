// Unit conversions of the content sound generator.
#include "AudioTypes.h"

#include <cmath>

namespace AudioGen
{
size_t SecondsToFrames(double dSeconds)
{
    if (dSeconds <= 0.0)
        return 0;
    return static_cast<size_t>(std::lround(dSeconds * kSampleRate));
}

double FramesToSeconds(size_t nFrames)
{
    return static_cast<double>(nFrames) / kSampleRate;
}

double MidiToHz(double dMidiNote)
{
    return 440.0 * std::pow(2.0, (dMidiNote - 69.0) / 12.0);
}

float DbToGain(float fDb)
{
    return std::pow(10.0f, fDb / 20.0f);
}

float GainToDb(float fGain)
{
    // Silence reports a floor instead of minus infinity so comparisons stay simple.
    if (fGain <= 1e-10f)
        return -200.0f;
    return 20.0f * std::log10(fGain);
}
} // namespace AudioGen
