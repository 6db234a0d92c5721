// MRVCodecModel.cpp: initial tables and the re-ordering step of the adaptive symbol model.
#include "assets/MRVCodecModel.h"

#include <algorithm>
#include <functional>

namespace MRVCodec
{

const LengthCode LONG_LENGTH_CODES[8] = {
    {1, 8}, {2, 10}, {3, 14}, {4, 22}, {5, 38}, {6, 70}, {7, 134}, {8, 262},
};

const DistanceCode DISTANCE_CODES[8] = {
    {0, 0}, {0, 1}, {1, 2}, {2, 4}, {3, 8}, {4, 16}, {5, 32}, {6, 64},
};

const int INITIAL_CLASS_WIDTHS[CLASS_COUNT] = {2, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5};

void ComputeClassFirsts(const int* pWidths, int* pFirsts)
{
    int nFirst = 0;
    for (int c = 0; c < CLASS_COUNT; ++c)
    {
        pFirsts[c] = nFirst;
        nFirst += 1 << pWidths[c];
    }
}

void InitCodeTable(WORD* pCodeTable)
{
    // Match symbols first, then four frequent bytes, then the other bytes in order.
    int nCode = 0;
    for (int s = FIRST_MATCH_SYMBOL; s < SYMBOL_UPDATE; ++s)
        pCodeTable[nCode++] = WORD(s);
    for (int b : {0, 32, 48, 255})
        pCodeTable[nCode++] = WORD(b);
    for (int b = 1; b <= 254; ++b)
    {
        if (b != 32 && b != 48)
            pCodeTable[nCode++] = WORD(b);
    }
    pCodeTable[nCode++] = WORD(SYMBOL_UPDATE);
    pCodeTable[nCode] = WORD(SYMBOL_END);
}

void RebuildCodeTable(WORD* pCounts, WORD* pCodeTable)
{
    // One sortable key per symbol: the count biased so that signed order becomes unsigned
    // order, with the symbol below it to break ties (larger symbol first).
    uint32_t keys[SYMBOL_COUNT];
    for (int s = 0; s < SYMBOL_COUNT; ++s)
    {
        const uint32_t nBiased = (uint32_t(pCounts[s]) ^ 0x8000u) & 0xFFFFu;
        keys[s] = (nBiased << 9) | uint32_t(s);
        pCounts[s] = HalveCount(pCounts[s]);
    }
    std::sort(keys, keys + SYMBOL_COUNT, std::greater<uint32_t>());
    for (int k = 0; k < SYMBOL_COUNT; ++k)
        pCodeTable[k] = WORD(keys[k] & 0x1FF);
}

} // namespace MRVCodec
