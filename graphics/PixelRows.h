// PixelRows.h: the inner loops of the drawing operations, one row of 16-bit pixels at a time.
#pragma once

#include "platform/WinTypes.h"

#include <cstring>

namespace MRVDraw
{

// Opaque copy. memmove so that a picture drawn onto itself is still copied correctly.
inline void CopyRow(WORD* pDest, const WORD* pSrc, int n)
{
    std::memmove(pDest, pSrc, static_cast<size_t>(n) * sizeof(WORD));
}

// Colour-keyed copy: source pixels equal to 0 leave the destination as it is.
inline void KeyRow(WORD* pDest, const WORD* pSrc, int n)
{
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
    // dwRedMask: the red mask the source was converted with (0x7C00 means 5-5-5).
    // nAlpha is held to 0..100 so that no channel can overflow into its neighbour.
    CBlender(DWORD dwRedMask, int nAlpha)
        : m_nRedShift(dwRedMask == 0x7C00 ? 10u : 11u),
          m_dwGreenMask(dwRedMask == 0x7C00 ? 31u : 63u),
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
