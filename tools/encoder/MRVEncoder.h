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
    // Input bytes between chances to send a model update; 0 lets the encoder choose.
    size_t nUpdateInterval = 0;
};

// Compresses nSize bytes (payload sizes are 32-bit, so below 4 GB) into a complete payload (one
// or more blocks). An empty input gives a single block holding only the end-of-block symbol.
// The default level encodes a 640x480 16-bit picture in about a tenth of a second.
std::vector<uint8_t> Encode(const uint8_t* pData, size_t nSize, const Options& options = Options());

} // namespace MRVEncoder
