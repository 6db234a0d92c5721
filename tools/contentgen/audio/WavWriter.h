// Writes mono 16-bit PCM WAV files (the 44-byte canonical RIFF layout) from float samples.
#pragma once

#include "AudioTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace AudioGen
{
// Float to 16-bit: scaled by 32767, rounded to nearest, clamped to the 16-bit range.
std::vector<int16_t> QuantiseToPcm16(const Samples& samples);

// The complete file image: header followed by little-endian samples.
std::vector<uint8_t> EncodeWav16(const std::vector<int16_t>& vPcm, int nSampleRate);

// Writes the file, unless it already holds exactly these bytes (then its time stamp stays);
// on failure returns false and sets strError.
bool WriteWav16(const std::string& strPath, const Samples& samples, int nSampleRate, std::string& strError);
} // namespace AudioGen
