// Basic types and conversions shared by the content sound generator: a mono float sample buffer
// at the game's output rate, and the small unit conversions every stage needs.
#pragma once

#include <cstddef>
#include <vector>

namespace AudioGen
{
// The game's output format: 22,050 frames a second, one channel.
constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// Float samples in [-1, 1]; 1.0 is digital full scale.
using Samples = std::vector<float>;

size_t SecondsToFrames(double dSeconds);
double FramesToSeconds(size_t nFrames);
double MidiToHz(double dMidiNote);
float DbToGain(float fDb);
float GainToDb(float fGain);
} // namespace AudioGen
