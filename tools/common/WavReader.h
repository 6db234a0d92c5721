// WavReader.h: PCM WAV files (RIFF "WAVE" with "fmt " and "data" chunks) read into their
// sample bytes, for mrvtool's sound command and the content generator's speech lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ToolWav
{

struct PcmWave
{
    uint16_t nChannels = 0;
    uint32_t nSampleRate = 0;
    uint16_t wBitsPerSample = 0;  // 8 (unsigned samples) or 16 (signed, little-endian)
    std::vector<uint8_t> samples; // whole sample frames, channels interleaved

    uint32_t BlockAlign() const { return static_cast<uint32_t>(nChannels) * (wBitsPerSample / 8); }
    size_t FrameCount() const { return BlockAlign() ? samples.size() / BlockAlign() : 0; }
};

// Parses a file image. Chunks other than "fmt " and "data" are skipped; a data size larger than
// what the file holds (as written by programs that stream to a pipe) is cut to the bytes
// present, and the samples to whole frames. Takes PCM (format tag 1, or the extensible tag
// with a PCM sub-format) of 8 or 16 bits; anything else returns false with the reason.
bool DecodeWav(const std::vector<uint8_t>& file, PcmWave* pWave, std::string* pError);

// Reads and parses a file; the reason for a failure does not repeat the path.
bool ReadWav(const std::string& strPath, PcmWave* pWave, std::string* pError);

} // namespace ToolWav
