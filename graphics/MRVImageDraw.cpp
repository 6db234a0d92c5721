// MRVImageDraw.cpp: the opaque, colour-keyed, run-coded and translucent draws of CMRVImage and
// the whole-screen copies.
//
// Every draw is clipped to the source picture and to the destination (a pitched buffer is the
// 640 x 480 screen, an image its own size), so a wrong rectangle cannot write outside either.
// A picture that is still compressed, or whose flags name no pixel layout, draws nothing.
#include "graphics/DrawSurface.h"
#include "graphics/MRVImage.h"
#include "graphics/PixelRows.h"
#include "graphics/RunCodedWalk.h"
#include "platform/ScreenFormat.h"

#include <algorithm>
#include <cstring>

using namespace MRVDraw;

namespace
{

bool HasColorKey(const CMRVImage& image)
{
    return (image.GetFlags() & MRVIMAGE_COLORKEY) != 0;
}

// Calls op(dest, src, n) for each row of the clipped rectangle of a raw picture.
template <class RowOp>
void ForEachRawRow(const CMRVImage& source, const Surface& dest, const DrawRect& r, RowOp&& op)
{
    const ptrdiff_t nSrcPitch = source.GetWidth();
    const WORD* pSrc = source.GetPixelWords() + r.sy * nSrcPitch + r.sx;
    for (int y = 0; y < r.h; ++y)
        op(dest.Row(r.dy + y) + r.dx, pSrc + y * nSrcPitch, r.w);
}

// Calls op(dest, src, n) for each piece of an opaque run of a run-coded picture that falls
// inside the clipped rectangle. The walk reports only the rectangle's rows; runs above it
// are passed over one record header at a time.
template <class RowOp>
void ForEachRunPiece(const CMRVImage& source, const Surface& dest, const DrawRect& r, RowOp&& op)
{
    const int nRight = r.sx + r.w;
    WalkOpaqueRuns(source.GetPixels(), RunCodedPayloadSize(source), source.GetWidth(), source.GetHeight(),
                   r.sy, r.sy + r.h,
                   [&](int x, int y, WORD* pPixels, int n)
                   {
                       const int nFirst = std::max(x, r.sx);
                       const int nEnd = std::min(x + n, nRight);
                       if (nFirst >= nEnd)
                           return;
                       op(dest.Row(r.dy + y - r.sy) + (r.dx + nFirst - r.sx), pPixels + (nFirst - x),
                          nEnd - nFirst);
                   });
}

void DrawInto(const CMRVImage& source, const Surface& dest, DrawRect r)
{
    if (!dest.IsValid() || !ClipDrawRect(r, source.GetWidth(), source.GetHeight(), dest))
        return;
    if (HasRawPixels(source))
    {
        if (HasColorKey(source))
            ForEachRawRow(source, dest, r, KeyRow);
        else
            ForEachRawRow(source, dest, r, CopyRow);
    }
    else if (HasRunCodedPixels(source))
    {
        ForEachRunPiece(source, dest, r, CopyRow);
    }
}

void BlendInto(const CMRVImage& source, const Surface& dest, DrawRect r, int nAlpha)
{
    if (!dest.IsValid() || !ClipDrawRect(r, source.GetWidth(), source.GetHeight(), dest))
        return;
    const CBlender blender(source.GetRedMask(), nAlpha);
    if (HasRawPixels(source))
    {
        if (HasColorKey(source))
            ForEachRawRow(source, dest, r,
                          [&](WORD* d, const WORD* s, int n) { blender.MixKeyedRow(d, s, n); });
        else
            ForEachRawRow(source, dest, r, [&](WORD* d, const WORD* s, int n) { blender.MixRow(d, s, n); });
    }
    else if (HasRunCodedPixels(source))
    {
        ForEachRunPiece(source, dest, r, [&](WORD* d, const WORD* s, int n) { blender.MixRow(d, s, n); });
    }
}

constexpr size_t SCREEN_ROW_BYTES = Platform::kScreenWidth * sizeof(WORD);

// A whole-screen copy needs a decoded 640 x 480 picture with all its pixels.
bool IsWholeScreen(const CMRVImage& image)
{
    return !image.IsCompressed() && image.GetWidth() == Platform::kScreenWidth &&
           image.GetHeight() == Platform::kScreenHeight && image.GetPixels() != nullptr &&
           image.GetBufferSize() >= SCREEN_ROW_BYTES * Platform::kScreenHeight;
}

} // namespace

void CMRVImage::Blit(WORD* pDest, LONG nPitch, int dx, int dy, int sx, int sy, int w, int h) const
{
    DrawInto(*this, SurfaceFromBuffer(pDest, nPitch), DrawRect{dx, dy, sx, sy, w, h});
}

void CMRVImage::BlitTo(CMRVImage* pTarget, int dx, int dy, int sx, int sy, int w, int h) const
{
    DrawInto(*this, SurfaceFromImage(pTarget), DrawRect{dx, dy, sx, sy, w, h});
}

void CMRVImage::BlendBlit(WORD* pDest, LONG nPitch, int dx, int dy, int sx, int sy, int w, int h,
                          int nAlpha) const
{
    BlendInto(*this, SurfaceFromBuffer(pDest, nPitch), DrawRect{dx, dy, sx, sy, w, h}, nAlpha);
}

void CMRVImage::BlendTo(CMRVImage* pTarget, int dx, int dy, int sx, int sy, int w, int h, int nAlpha) const
{
    BlendInto(*this, SurfaceFromImage(pTarget), DrawRect{dx, dy, sx, sy, w, h}, nAlpha);
}

CMRVImage* CMRVImage::CopyTo(CMRVImage* pTarget)
{
    if (pTarget == nullptr || pTarget == this || !IsWholeScreen(*this) || !IsWholeScreen(*pTarget))
        return this;
    std::memcpy(pTarget->m_pPixels, m_pPixels, SCREEN_ROW_BYTES * Platform::kScreenHeight);
    return pTarget;
}

void CMRVImage::CopyToSurface(WORD* pDest, LONG nPitch) const
{
    const Surface dest = SurfaceFromBuffer(pDest, nPitch);
    if (!dest.IsValid() || dest.nWidth < Platform::kScreenWidth || !IsWholeScreen(*this))
        return;
    const BYTE* pSrc = m_pPixels;
    for (int y = 0; y < Platform::kScreenHeight; ++y, pSrc += SCREEN_ROW_BYTES)
        std::memcpy(dest.Row(y), pSrc, SCREEN_ROW_BYTES);
}
