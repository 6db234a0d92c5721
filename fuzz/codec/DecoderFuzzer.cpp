// DecoderFuzzer.cpp: feeds arbitrary bytes to CMRVDecompressor the way the image loader does.
// The first three bytes give the output size (at most 256 KB), the rest is the payload. Each
// payload is decoded twice into buffers with different prior contents: the bytes produced must
// not depend on them.
#include "assets/MRVDecompressor.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

constexpr size_t SIZE_BYTES = 3;
constexpr DWORD MAX_OUTPUT = 1u << 18;

// Decodes block after block until the payload is used up or a block fails; returns the bytes
// produced, or -1 on failure.
long DecodePayload(const uint8_t* pIn, DWORD dwInSize, std::vector<BYTE>& out)
{
    CMRVDecompressor dec;
    DWORD dwOutLeft = DWORD(out.size());
    DWORD dwInLeft = dwInSize;
    do
    {
        const DWORD dwInBefore = dwInLeft;
        const DWORD dwOutBefore = dwOutLeft;
        if (!dec.DecodeBlock(out.data() + (out.size() - dwOutLeft), &dwOutLeft, pIn + (dwInSize - dwInLeft),
                             &dwInLeft))
        {
            if (dwInLeft != dwInBefore || dwOutLeft != dwOutBefore)
                std::abort(); // a failing block must leave both counts alone
            return -1;
        }
        if (dwInLeft >= dwInBefore || dwOutLeft > dwOutBefore)
            std::abort(); // a block always reads input and never un-writes output
    } while (dwInLeft != 0);
    return long(out.size() - dwOutLeft);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize < SIZE_BYTES)
        return 0;
    DWORD dwOutSize = DWORD(pData[0]) | (DWORD(pData[1]) << 8) | (DWORD(pData[2]) << 16);
    if (dwOutSize > MAX_OUTPUT)
        dwOutSize = MAX_OUTPUT;
    const uint8_t* pPayload = pData + SIZE_BYTES;
    const DWORD dwPayload = DWORD(nSize - SIZE_BYTES);

    // Buffers are kept between runs; only the part in use is refilled.
    static std::vector<BYTE> first(MAX_OUTPUT), second(MAX_OUTPUT);
    first.resize(dwOutSize);
    second.resize(dwOutSize);
    std::fill(first.begin(), first.end(), BYTE(0x00));
    std::fill(second.begin(), second.end(), BYTE(0xA5));
    const long nFirst = DecodePayload(pPayload, dwPayload, first);
    const long nSecond = DecodePayload(pPayload, dwPayload, second);
    if (nFirst != nSecond)
        std::abort();
    if (nFirst > 0 && std::memcmp(first.data(), second.data(), size_t(nFirst)) != 0)
        std::abort();
    return 0;
}
