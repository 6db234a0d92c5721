// PixelRows.h: the inner loops of the drawing operations, one row of 16-bit pixels at a time.
#pragma once

#include "platform/ScreenFormat.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace MRVDraw
{

// TRUE when the n-pixel rows at pDest and pSrc share no memory. Only then may a row be
// copied in any order; a picture drawn onto itself keeps the front-to-back order instead.
inline bool RowsDisjoint(const WORD* pDest, const WORD* pSrc, int n)
{
    const uintptr_t nDest = reinterpret_cast<uintptr_t>(pDest);
    const uintptr_t nSrc = reinterpret_cast<uintptr_t>(pSrc);
    const uintptr_t nBytes = static_cast<uintptr_t>(n) * sizeof(WORD);
    return nDest + nBytes <= nSrc || nSrc + nBytes <= nDest;
}

// Opaque copy. A picture drawn onto itself may overlap its own rows: memmove copies those
// correctly, every other row takes the plain copy.
inline void CopyRow(WORD* pDest, const WORD* pSrc, int n)
{
    const size_t nBytes = static_cast<size_t>(n) * sizeof(WORD);
    if (RowsDisjoint(pDest, pSrc, n))
        std::memcpy(pDest, pSrc, nBytes);
    else
        std::memmove(pDest, pSrc, nBytes);
}

#if defined(__SSE2__)
inline __m128i LoadPixels8(const WORD* p)
{
    return _mm_loadu_si128(static_cast<const __m128i*>(static_cast<const void*>(p)));
}

inline void StorePixels8(WORD* p, __m128i v)
{
    _mm_storeu_si128(static_cast<__m128i*>(static_cast<void*>(p)), v);
}
#endif

// Colour-keyed copy of rows that share no memory. Sprites are mostly wholly transparent or
// wholly opaque stretches, so eight pixels at a time are tested first: an all-transparent
// group leaves the destination untouched and an all-opaque one is stored without reading
// the destination; only mixed groups are merged.
inline void KeyRowDisjoint(WORD* __restrict pDest, const WORD* __restrict pSrc, int n)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8)
    {
        const __m128i source = LoadPixels8(pSrc + i);
        const __m128i keyed = _mm_cmpeq_epi16(source, zero); // all ones where the source is 0
        const int nKeyedBytes = _mm_movemask_epi8(keyed);
        if (nKeyedBytes == 0xFFFF)
            continue;
        if (nKeyedBytes == 0)
        {
            StorePixels8(pDest + i, source);
            continue;
        }
        StorePixels8(pDest + i, _mm_or_si128(source, _mm_and_si128(keyed, LoadPixels8(pDest + i))));
    }
#endif
    for (; i < n; ++i)
    {
        const WORD p = pSrc[i];
        const WORD d = pDest[i];
        pDest[i] = p != 0 ? p : d;
    }
}

// Colour-keyed copy: source pixels equal to 0 leave the destination as it is. Overlapping
// rows (a picture drawn onto itself) are walked front to back one pixel at a time.
inline void KeyRow(WORD* pDest, const WORD* pSrc, int n)
{
    if (RowsDisjoint(pDest, pSrc, n))
    {
        KeyRowDisjoint(pDest, pSrc, n);
        return;
    }
    for (int i = 0; i < n; ++i)
    {
        const WORD p = pSrc[i];
        pDest[i] = p != 0 ? p : pDest[i];
    }
}

// Translucent mix of two pixels, channel by channel: source x a / 100 + destination x
// (100 - a) / 100, each division truncating. The channel layout follows the source's format:
// 5-5-5 (red at bit 10, 5-bit green) or 5-6-5 (red at bit 11, 6-bit green).
class CBlender
{
public:
    // dwRedMask: the red mask the source was converted with (the 5-5-5 one means 5-5-5).
    // nAlpha is held to 0..100 so that no channel can overflow into its neighbour.
    CBlender(DWORD dwRedMask, int nAlpha)
        : m_nRedShift(dwRedMask == Platform::kFormat555.dwRedMask ? 10u : 11u),
          m_dwGreenMask(dwRedMask == Platform::kFormat555.dwRedMask ? 31u : 63u),
          m_dwSourceWeight(static_cast<unsigned>(nAlpha < 0 ? 0 : (nAlpha > 100 ? 100 : nAlpha))),
          m_dwDestWeight(100u - m_dwSourceWeight)
    {
    }

    WORD Mix(WORD wSource, WORD wDest) const
    {
        const unsigned r = MixChannel(wSource >> m_nRedShift, wDest >> m_nRedShift);
        const unsigned g = MixChannel((wSource >> 5) & m_dwGreenMask, (wDest >> 5) & m_dwGreenMask);
        const unsigned b = MixChannel(wSource & 31u, wDest & 31u);
        return static_cast<WORD>((r << m_nRedShift) | (g << 5) | b);
    }

    void MixRow(WORD* pDest, const WORD* pSrc, int n) const
    {
        for (int i = 0; i < n; ++i)
            pDest[i] = Mix(pSrc[i], pDest[i]);
    }

    void MixKeyedRow(WORD* pDest, const WORD* pSrc, int n) const
    {
        for (int i = 0; i < n; ++i)
        {
            if (pSrc[i] != 0)
                pDest[i] = Mix(pSrc[i], pDest[i]);
        }
    }

private:
    // Division by the constant 100 compiles to an exact reciprocal multiply.
    unsigned MixChannel(unsigned nSource, unsigned nDest) const
    {
        return nSource * m_dwSourceWeight / 100u + nDest * m_dwDestWeight / 100u;
    }

    unsigned m_nRedShift;
    DWORD m_dwGreenMask;
    DWORD m_dwSourceWeight;
    DWORD m_dwDestWeight;
};

} // namespace MRVDraw
