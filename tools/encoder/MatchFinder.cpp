// MatchFinder.cpp: hash chains over 4-byte prefixes, bounded by the 64 KB window.
#include "tools/encoder/MatchFinder.h"

#include "assets/MRVCodecModel.h"

#include <cstring>

namespace MRVEncoder
{

namespace
{

constexpr int MIN_HASH_BITS = 10;
constexpr int MAX_HASH_BITS = 17;
constexpr int GOOD_LENGTH = 32;

uint32_t Load32(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}

uint64_t Load64(const uint8_t* p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}

int CountEqualBytes(uint64_t qwDiff)
{
    // Bytes are compared in memory order; on a little-endian machine the first difference is
    // the lowest set bit, on a big-endian one the highest.
    const uint16_t wProbe = 1;
    uint8_t nFirst;
    std::memcpy(&nFirst, &wProbe, 1);
    return nFirst ? __builtin_ctzll(qwDiff) >> 3 : __builtin_clzll(qwDiff) >> 3;
}

} // namespace

// Tables grow with the input up to their full size, so that small pictures cost little.
CMatchFinder::CMatchFinder(const uint8_t* pData, size_t nSize, int nMaxChain, int nNiceLength)
    : m_pData(pData), m_nSize(nSize), m_nMaxChain(nMaxChain), m_nNiceLength(nNiceLength),
      m_nHashBits(MIN_HASH_BITS)
{
    while (m_nHashBits < MAX_HASH_BITS && (size_t(1) << m_nHashBits) < nSize)
        ++m_nHashBits;
    size_t nPrevSize = 1;
    while (nPrevSize < MRVCodec::WINDOW_SIZE && nPrevSize < nSize)
        nPrevSize *= 2;
    m_nPrevMask = nPrevSize - 1;
    m_Head.assign(size_t(1) << m_nHashBits, 0);
    m_Prev.assign(nPrevSize, 0);
}

uint32_t CMatchFinder::Hash(size_t nPos) const
{
    return (Load32(m_pData + nPos) * 2654435761u) >> (32 - m_nHashBits);
}

int CMatchFinder::MatchLength(size_t nOlder, size_t nPos, int nMaxLength) const
{
    const uint8_t* a = m_pData + nOlder;
    const uint8_t* b = m_pData + nPos;
    int n = 0;
    while (n + 8 <= nMaxLength)
    {
        const uint64_t qwDiff = Load64(a + n) ^ Load64(b + n);
        if (qwDiff != 0)
            return n + CountEqualBytes(qwDiff);
        n += 8;
    }
    while (n < nMaxLength && a[n] == b[n])
        ++n;
    return n;
}

void CMatchFinder::Insert(size_t nPos)
{
    if (nPos + 4 > m_nSize)
        return;
    const uint32_t h = Hash(nPos);
    m_Prev[nPos & m_nPrevMask] = m_Head[h];
    m_Head[h] = uint32_t(nPos + 1);
}

int CMatchFinder::FindAndInsert(size_t nPos, int nMaxLength, Match* pOut)
{
    if (nPos + 4 > m_nSize || nMaxLength < MRVCodec::MIN_MATCH)
    {
        Insert(nPos);
        return 0;
    }
    const uint32_t h = Hash(nPos);
    uint32_t nCandidate = m_Head[h];
    int nBest = MRVCodec::MIN_MATCH - 1;
    int nFound = 0;
    const uint8_t* pHere = m_pData + nPos;
    for (int nTries = m_nMaxChain; nCandidate != 0 && nTries > 0; --nTries)
    {
        const size_t nOlder = nCandidate - 1;
        const size_t nDistance = nPos - nOlder;
        if (nDistance > MRVCodec::MAX_DISTANCE)
            break;
        // A candidate can only improve on the best if it also matches the four bytes that end
        // just past it.
        if (Load32(m_pData + nOlder + size_t(nBest) - 3) == Load32(pHere + nBest - 3))
        {
            const int nLength = MatchLength(nOlder, nPos, nMaxLength);
            if (nLength > nBest)
            {
                // Once a good match is in hand, fewer further candidates are worth a look.
                if (nBest < GOOD_LENGTH && nLength >= GOOD_LENGTH)
                    nTries = (nTries + 3) / 4;
                nBest = nLength;
                pOut[nFound++] = Match{uint16_t(nLength), uint16_t(nDistance)};
                if (nLength >= m_nNiceLength || nLength == nMaxLength || nFound == MAX_MATCHES_PER_POSITION)
                    break;
            }
        }
        nCandidate = m_Prev[nOlder & m_nPrevMask];
    }
    m_Prev[nPos & m_nPrevMask] = m_Head[h];
    m_Head[h] = uint32_t(nPos + 1);
    return nFound;
}

} // namespace MRVEncoder
