// RoundTripFuzzer.cpp: arbitrary bytes through MRVEncoder and back through CMRVDecompressor.
// The first byte picks the level, the second the block size and update interval; the rest is
// the data. The decoded bytes must equal the data exactly.
#include "assets/MRVDecompressor.h"
#include "tools/encoder/MRVEncoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize < 2)
        return 0;
    MRVEncoder::Options options;
    options.nLevel = pData[0] % 10;
    options.nBlockSize = (pData[1] & 0x0F) == 0 ? 0 : size_t(pData[1] & 0x0F) * 97;
    options.nUpdateInterval = (pData[1] >> 4) == 0 ? 0 : size_t(pData[1] >> 4) * 61;
    const uint8_t* pInput = pData + 2;
    const size_t nInput = nSize - 2;

    const std::vector<uint8_t> stream = MRVEncoder::Encode(pInput, nInput, options);
    CMRVDecompressor dec;
    std::vector<BYTE> out(nInput);
    DWORD dwOutLeft = DWORD(nInput);
    DWORD dwInLeft = DWORD(stream.size());
    do
    {
        if (!dec.DecodeBlock(out.data() + (nInput - dwOutLeft), &dwOutLeft,
                             stream.data() + (stream.size() - dwInLeft), &dwInLeft))
            std::abort();
    } while (dwInLeft != 0);
    if (dwOutLeft != 0 || !std::equal(out.begin(), out.end(), pInput))
        std::abort();
    return 0;
}
