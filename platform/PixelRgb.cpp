// PixelRgb.cpp: each channel found by its mask and scaled from its own width to eight bits.
#include "platform/PixelRgb.h"

namespace Platform
{

namespace
{
int LowestBit(DWORD dwMask)
{
    int nShift = 0;
    while (dwMask && !(dwMask & 1u))
    {
        dwMask >>= 1;
        ++nShift;
    }
    return nShift;
}

BYTE ExpandChannel(WORD wPixel, DWORD dwMask)
{
    if (!dwMask)
        return 0;
    const DWORD dwField = dwMask >> LowestBit(dwMask);
    const DWORD dwValue = (wPixel & dwMask) >> LowestBit(dwMask);
    return static_cast<BYTE>((dwValue * 255u + dwField / 2) / dwField);
}
} // namespace

void PixelToRgb(WORD wPixel, const DisplayPixelFormat& format, BYTE* pRgb)
{
    pRgb[0] = ExpandChannel(wPixel, format.dwRedMask);
    pRgb[1] = ExpandChannel(wPixel, format.dwGreenMask);
    pRgb[2] = ExpandChannel(wPixel, format.dwBlueMask);
}

} // namespace Platform
