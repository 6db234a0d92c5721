// PixelFormat.cpp: rewriting a decoded picture's stored 5-6-5 pixels into the display's format.
//
// Every pixel p becomes ((p >> 1) & (red | green)) | (p & blue): with the 5-5-5 masks this
// moves red down one bit, keeps the top five bits of green and keeps blue; 0 stays 0, so the
// colour key survives. Done once per picture, after decoding, so drawing never converts.
#include "graphics/DrawSurface.h"
#include "graphics/MRVImage.h"
#include "graphics/RunCodedWalk.h"

#include <algorithm>

namespace
{

void ConvertRow(WORD* pPixels, size_t n, WORD wHighMask, WORD wBlueMask)
{
    for (size_t i = 0; i < n; ++i)
    {
        const WORD p = pPixels[i];
        pPixels[i] = static_cast<WORD>(((p >> 1) & wHighMask) | (p & wBlueMask));
    }
}

} // namespace

void CMRVImage::ConvertPixelFormat(DWORD dwRedMask, DWORD dwGreenMask, DWORD dwBlueMask)
{
    // A picture that is still compressed holds no pixels to rewrite; leaving the masks alone
    // keeps the image saying which format its pixels are in.
    if (IsCompressed())
        return;
    m_dwRedMask = dwRedMask;
    m_dwGreenMask = dwGreenMask;
    m_dwBlueMask = dwBlueMask;
    const WORD wHighMask = static_cast<WORD>(dwRedMask | dwGreenMask);
    const WORD wBlueMask = static_cast<WORD>(dwBlueMask);
    if ((m_dwFlags & MRVIMAGE_RAW) != 0)
    {
        if (m_pPixels == nullptr)
            return;
        const size_t nPixels =
            std::min<size_t>(static_cast<size_t>(m_wWidth) * m_wHeight, m_dwBufferSize / 2);
        ConvertRow(GetPixelWords(), nPixels, wHighMask, wBlueMask);
    }
    else if (MRVDraw::HasRunCodedPixels(*this))
    {
        MRVDraw::WalkOpaqueRuns(m_pPixels, MRVDraw::RunCodedPayloadSize(*this), m_wWidth, m_wHeight,
                                m_wHeight,
                                [&](int, int, WORD* pRun, int n)
                                { ConvertRow(pRun, static_cast<size_t>(n), wHighMask, wBlueMask); });
    }
}
