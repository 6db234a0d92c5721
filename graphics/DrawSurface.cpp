// DrawSurface.cpp: destination set-up, source checks and clipping for the drawing operations.
#include "graphics/DrawSurface.h"

#include "graphics/MRVImage.h"
#include "platform/ScreenFormat.h"

#include <algorithm>
#include <cstdint>

namespace MRVDraw
{

Surface SurfaceFromBuffer(WORD* pPixels, LONG nPitch)
{
    Surface s;
    const LONG nPitchWords = (nPitch & ~1) / 2;
    if (pPixels == nullptr || nPitchWords <= 0)
        return s;
    s.pPixels = pPixels;
    s.nPitch = nPitchWords;
    s.nWidth = std::min<LONG>(Platform::kScreenWidth, nPitchWords);
    s.nHeight = Platform::kScreenHeight;
    return s;
}

Surface SurfaceFromImage(CMRVImage* pTarget)
{
    Surface s;
    if (pTarget == nullptr || !HasRawPixels(*pTarget))
        return s;
    s.pPixels = pTarget->GetPixelWords();
    s.nPitch = pTarget->GetWidth();
    s.nWidth = pTarget->GetWidth();
    s.nHeight = pTarget->GetHeight();
    return s;
}

bool HasRawPixels(const CMRVImage& image)
{
    const DWORD dwFlags = image.GetFlags();
    if ((dwFlags & MRVIMAGE_COMPRESSED) != 0 || (dwFlags & MRVIMAGE_RAW) == 0 || image.GetPixels() == nullptr)
        return false;
    const uint64_t nNeeded = static_cast<uint64_t>(image.GetWidth()) * image.GetHeight() * 2;
    return image.GetBufferSize() >= nNeeded;
}

bool HasRunCodedPixels(const CMRVImage& image)
{
    const DWORD dwFlags = image.GetFlags();
    return (dwFlags & (MRVIMAGE_COMPRESSED | MRVIMAGE_RAW)) == 0 && (dwFlags & MRVIMAGE_RUNCODED) != 0 &&
           image.GetPixels() != nullptr;
}

size_t RunCodedPayloadSize(const CMRVImage& image)
{
    return std::min(image.GetBufferSize(), image.GetDataSize());
}

namespace
{

// Moves the start of one axis up to 0 when it lies below: the paired coordinate and the
// length move with it.
void TrimBelowZero(int64_t& nStart, int64_t& nPaired, int64_t& nLength)
{
    if (nStart < 0)
    {
        nPaired -= nStart;
        nLength += nStart;
        nStart = 0;
    }
}

} // namespace

bool ClipDrawRect(DrawRect& r, int nSrcWidth, int nSrcHeight, const Surface& dest)
{
    // 64-bit so that extreme arguments cannot overflow while trimming.
    int64_t dx = r.dx, dy = r.dy, sx = r.sx, sy = r.sy, w = r.w, h = r.h;
    TrimBelowZero(sx, dx, w);
    TrimBelowZero(dx, sx, w);
    TrimBelowZero(sy, dy, h);
    TrimBelowZero(dy, sy, h);
    w = std::min({w, nSrcWidth - sx, dest.nWidth - dx});
    h = std::min({h, nSrcHeight - sy, dest.nHeight - dy});
    if (w <= 0 || h <= 0)
        return false;
    r = DrawRect{static_cast<int>(dx), static_cast<int>(dy), static_cast<int>(sx),
                 static_cast<int>(sy), static_cast<int>(w),  static_cast<int>(h)};
    return true;
}

} // namespace MRVDraw
