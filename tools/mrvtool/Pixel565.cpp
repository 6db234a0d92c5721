// Pixel565.cpp: 8-bit RGB to and from 5-6-5 pixels, rounding to nearest.
#include "Pixel565.h"

namespace MRVPacker
{

namespace
{

// Scales v from 0..from to 0..to, rounding to nearest.
unsigned Scale(unsigned v, unsigned from, unsigned to)
{
    return (v * to + from / 2) / from;
}

int SquaredDistance(uint8_t r, uint8_t g, uint8_t b, uint16_t nPixel)
{
    uint8_t pr = 0, pg = 0, pb = 0;
    Rgb565ToRgb(nPixel, &pr, &pg, &pb);
    const int dr = r - pr, dg = g - pg, db = b - pb;
    return dr * dr + dg * dg + db * db;
}

} // namespace

uint16_t RgbTo565(uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<uint16_t>((Scale(r, 255, 31) << 11) | (Scale(g, 255, 63) << 5) | Scale(b, 255, 31));
}

void Rgb565ToRgb(uint16_t nPixel, uint8_t* pR, uint8_t* pG, uint8_t* pB)
{
    *pR = static_cast<uint8_t>(Scale(nPixel >> 11, 31, 255));
    *pG = static_cast<uint8_t>(Scale((nPixel >> 5) & 63, 63, 255));
    *pB = static_cast<uint8_t>(Scale(nPixel & 31, 31, 255));
}

uint16_t RgbToVisible565(uint8_t r, uint8_t g, uint8_t b)
{
    const uint16_t nPixel = RgbTo565(r, g, b);
    if (nPixel != 0 && nPixel != 0x0020)
        return nPixel;
    static const uint16_t kCandidates[] = {0x0001, 0x0040, 0x0800};
    uint16_t nBest = kCandidates[0];
    for (uint16_t nCandidate : kCandidates)
    {
        if (SquaredDistance(r, g, b, nCandidate) < SquaredDistance(r, g, b, nBest))
            nBest = nCandidate;
    }
    return nBest;
}

} // namespace MRVPacker
