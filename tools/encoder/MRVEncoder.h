// MRVEncoder.h: the compressor for image payloads (a content tool, not part of the game).
// Produces streams that CMRVDecompressor reads back exactly, keeping its adaptive model in
// step with the decoder's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace MRVEncoder
{

struct Options
{
    // Largest number of input bytes per block; 0 lets the encoder choose.
    size_t nBlockSize = 0;
    // Effort: 0 fastest (greedy), higher values search harder.
    int nLevel = 9;
};

// Compresses nSize bytes into a complete payload (one or more blocks). An empty input gives a
// single block holding only the end-of-block symbol.
std::vector<uint8_t> Encode(const uint8_t* pData, size_t nSize, const Options& options = Options());

} // namespace MRVEncoder
