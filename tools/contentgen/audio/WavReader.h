// Reads 16-bit PCM WAV files (any channel count, any rate) into mono float samples. Used for
// the speech synthesiser's output, whose header may carry extra chunks or placeholder sizes.
// The file format itself is read by the tools' shared reader (tools/common/WavReader.h).
#pragma once

#include "AudioTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace AudioGen
{
struct SDecodedWav
{
    int nSampleRate = 0;
    Samples samples; // channels averaged to mono
};

// Parses a file image. Chunks other than "fmt " and "data" are skipped; a data size larger
// than what the file holds (as written by programs that stream to a pipe) is cut to the
// bytes present. Returns false with strError for anything that is not 16-bit PCM.
bool DecodeWav16(const std::vector<uint8_t>& vFile, SDecodedWav& out, std::string& strError);

bool ReadWav16(const std::string& strPath, SDecodedWav& out, std::string& strError);
} // namespace AudioGen
