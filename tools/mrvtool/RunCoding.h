// RunCoding.h: run-coded pixel payloads (transparent and opaque runs, then an end record).
// Each record is: type (0 transparent, 1 opaque, 2 end), one reserved byte, a 32-bit
// little-endian count, and for opaque runs count 16-bit pixels. Runs cover the picture's
// positions row by row and may carry on from one row into the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace MRVPacker
{

// One 5-6-5 pixel and one opaque flag (1 or 0) per position, row by row.
struct MaskedPixels
{
    std::vector<uint16_t> pixels;
    std::vector<uint8_t> opaque;
};

constexpr uint8_t RUN_TRANSPARENT = 0;
constexpr uint8_t RUN_OPAQUE = 1;
constexpr uint8_t RUN_END = 2;
constexpr size_t RUN_RECORD_HEADER_SIZE = 6;

// The shortest run list for the picture: one run per stretch of equal opacity, then the end
// record. Transparent positions keep no pixel.
std::vector<uint8_t> EncodeRuns(const MaskedPixels& picture);

// Reads a run list that must cover exactly nPositions positions, with non-empty runs, known
// record types and an end record after the last run, all within nSize bytes. On failure
// returns false and says why in *pError.
bool DecodeRuns(const uint8_t* pData, size_t nSize, size_t nPositions, MaskedPixels* pOut, std::string* pError);

} // namespace MRVPacker
