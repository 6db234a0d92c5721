// MRVCodecModel.h: the adaptive symbol model shared by the payload decoder and the encoder.
//
// Symbols 0-255 are literal bytes, 256-271 match lengths, 272 a model update and 273 the end
// of a block. A symbol is sent as the code it holds in a count-ordered code table; a code is a
// 4-bit class plus that class's width of extra bits. Both sides must apply exactly the same
// initial tables, halving and ordering, so they live here once.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>

namespace MRVCodec
{

constexpr int SYMBOL_COUNT = 274;
constexpr int FIRST_MATCH_SYMBOL = 256;
constexpr int FIRST_LONG_MATCH_SYMBOL = 264;
constexpr int SYMBOL_UPDATE = 272;
constexpr int SYMBOL_END = 273;
constexpr int CLASS_COUNT = 16;
constexpr int CLASS_BITS = 4;
constexpr int MAX_CLASS_WIDTH = 8;
constexpr uint32_t WINDOW_SIZE = 65536;
constexpr uint32_t WINDOW_MASK = WINDOW_SIZE - 1;
constexpr int MIN_MATCH = 4;
constexpr int MAX_MATCH = 521;
constexpr uint32_t MAX_DISTANCE = 65535;

// The most bytes a stream of nStreamSize bytes can decode to. Output grows fastest through
// matches of the longest length: 521 bytes for at least 24 bits (a 4-bit class of width 0, 8
// length bits, a 3-bit distance selector and 9 distance bits); literals and shorter matches
// give less per bit. Counted in whole longest matches, rounded up, so an empty stream still
// allows one.
constexpr int LONGEST_MATCH_MIN_BITS = CLASS_BITS + 8 + 3 + 9;
constexpr uint64_t MaxDecodedSize(uint64_t nStreamSize)
{
    return (nStreamSize * 8 / LONGEST_MATCH_MIN_BITS + 1) * MAX_MATCH;
}

// Symbols 264-271: length code = base + extra bits.
struct LengthCode
{
    int nExtraBits;
    int nBase;
};
extern const LengthCode LONG_LENGTH_CODES[8];

// Distances: a 3-bit selector, then (extra + 9) bits added to base * 512.
struct DistanceCode
{
    int nExtraBits;
    int nBase;
};
extern const DistanceCode DISTANCE_CODES[8];

// Class widths the model starts with.
extern const int INITIAL_CLASS_WIDTHS[CLASS_COUNT];

// First codes of each class from its width: first(0) = 0, first(c + 1) = first(c) + 2^width(c).
void ComputeClassFirsts(const int* pWidths, int* pFirsts);

// The code table the model starts with (entry k = symbol of code k).
void InitCodeTable(WORD* pCodeTable);

// Halves a count as a signed 16-bit value shifted right arithmetically.
inline WORD HalveCount(WORD wCount)
{
    const int nSigned = wCount >= 0x8000 ? int(wCount) - 0x10000 : int(wCount);
    const int nHalf = nSigned >= 0 ? nSigned / 2 : -((-nSigned + 1) / 2);
    return WORD(nHalf & 0xFFFF);
}

// The model update's re-ordering: the code table becomes the symbols ordered by their current
// count (signed 16-bit, largest first; equal counts by symbol, largest first), then every count
// is halved. Uses no heap.
void RebuildCodeTable(WORD* pCounts, WORD* pCodeTable);

} // namespace MRVCodec
