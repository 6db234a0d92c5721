// MatchFinder.h: hash-chain search for earlier repeats of the input within the 64 KB window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace MRVEncoder
{

struct Match
{
    uint16_t nLength;
    uint16_t nDistance;
};

class CMatchFinder
{
public:
    // nMaxChain bounds the candidates tried per position; the search stops early at a match of
    // nNiceLength bytes.
    CMatchFinder(const uint8_t* pData, size_t nSize, int nMaxChain, int nNiceLength);

    // Lists the matches at nPos, each longer than the one before and the nearest of its length,
    // none longer than nMaxLength, then records nPos. Every earlier position must have been
    // recorded. Returns the number written to pOut (room for MAX_MATCHES_PER_POSITION).
    int FindAndInsert(size_t nPos, int nMaxLength, Match* pOut);

    // Records nPos without searching.
    void Insert(size_t nPos);

    static constexpr int MAX_MATCHES_PER_POSITION = 64;

private:
    uint32_t Hash(size_t nPos) const;
    int MatchLength(size_t nOlder, size_t nPos, int nMaxLength) const;

    const uint8_t* m_pData;
    size_t m_nSize;
    int m_nMaxChain;
    int m_nNiceLength;
    int m_nHashBits;
    size_t m_nPrevMask;
    std::vector<uint32_t> m_Head; // hash -> latest position + 1 (0: none)
    std::vector<uint32_t> m_Prev; // position mod window -> previous position + 1 with its hash
};

} // namespace MRVEncoder
