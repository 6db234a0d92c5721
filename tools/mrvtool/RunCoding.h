// RunCoding.h: run-coded pixel payloads (transparent and opaque runs, then an end record) made
// from masked pixels and read back into them. The layout and its rules are the game's own
// (assets/MRVRunCoding.h).
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

// The shortest run list for the picture: one run per stretch of equal opacity, then the end
// record. Transparent positions keep no pixel.
std::vector<uint8_t> EncodeRuns(const MaskedPixels& picture);

// Reads a run list that must cover exactly nPositions positions (MRVRunCoding::DecodeRunList).
// On failure returns false and says why in *pError.
bool DecodeRuns(const uint8_t* pData, size_t nSize, size_t nPositions, MaskedPixels* pOut,
                std::string* pError);

} // namespace MRVPacker
