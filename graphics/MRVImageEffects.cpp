// MRVImageEffects.cpp: the two distortion draws of CMRVImage, the moving wave and the
// per-column vertical shift, both for decoded raw pictures only.
//
// Both skip destination rows outside 1..478 (relative to where they measure from) and are
// also clipped to the source picture and to the destination's size.
#include "graphics/DrawSurface.h"
#include "graphics/MRVImage.h"
#include "graphics/MRVImageDraw.h"
#include "platform/ScreenFormat.h"

#include <algorithm>
#include <cstdint>

using namespace MRVDraw;

int g_nWavePhase = -1;

namespace
{

constexpr int WAVE_STEPS = 20;
constexpr int WAVE_OFFSETS[WAVE_STEPS] = {0,  1,  2,  3,  4,  4,  3,  2,  1,  0,
                                          -1, -2, -3, -4, -5, -5, -4, -3, -2, -1};

// Rows an effect may write, relative to where it measures from: 1 to 478.
bool IsEffectRow(int64_t y)
{
    return y > 0 && y < Platform::kScreenHeight - 1;
}

void AdvanceWavePhase()
{
    g_nWavePhase += 2;
    if (g_nWavePhase > WAVE_STEPS - 1 || g_nWavePhase < 0)
        g_nWavePhase = 0;
}

// Range [nFirst, nEnd) of an offset c in 0..nLength-1 for which nStart + c lies in
// 0..nLimit-1.
struct Span
{
    int64_t nFirst;
    int64_t nEnd;
};

Span SpanInside(int64_t nStart, int64_t nLength, int64_t nLimit)
{
    return Span{std::max<int64_t>(0, -nStart), std::min(nLength, nLimit - nStart)};
}

// Row r, column c of the rectangle goes to column c, row WAVE_OFFSETS[k] + r of the
// destination, k starting at the phase on every row and stepping once per column.
void WaveInto(const CMRVImage& source, const Surface& dest, int sx, int sy, int w, int h)
{
    if (!dest.IsValid() || !HasRawPixels(source))
        return;
    const bool bKeyed = (source.GetFlags() & MRVIMAGE_COLORKEY) != 0;
    const Span cols = SpanInside(sx, std::min<int64_t>(w, dest.nWidth), source.GetWidth());
    const Span rows = SpanInside(sy, h, source.GetHeight());
    const WORD* pPixels = source.GetPixelWords();
    for (int64_t r = rows.nFirst; r < rows.nEnd; ++r)
    {
        // Indexed from the row start: sx may be negative for the clipped-off columns.
        const WORD* pSrcRow = pPixels + (sy + r) * source.GetWidth();
        int k = static_cast<int>((g_nWavePhase + cols.nFirst) % WAVE_STEPS);
        for (int64_t c = cols.nFirst; c < cols.nEnd; ++c)
        {
            const int64_t y = WAVE_OFFSETS[k] + r;
            const WORD p = pSrcRow[sx + c];
            if (IsEffectRow(y) && y < dest.nHeight && (!bKeyed || p != 0))
                dest.Row(static_cast<int>(y))[c] = p;
            k = k + 1 == WAVE_STEPS ? 0 : k + 1;
        }
    }
}

// Column c of the rectangle moves down by the second value of the column's entry in the
// image's offset table, which holds one (unused, offset) pair per image column.
void ColumnShiftInto(const CMRVImage& source, const Surface& dest, int dx, int dy, int sx, int sy, int w,
                     int h)
{
    if (!dest.IsValid() || !HasRawPixels(source) || (source.GetFlags() & MRVIMAGE_COLORKEY) != 0 ||
        source.m_pColumnOffsets == nullptr)
        return;
    const Span srcCols = SpanInside(sx, w, source.GetWidth());
    const Span destCols = SpanInside(dx, w, dest.nWidth);
    const int64_t nFirstCol = std::max(srcCols.nFirst, destCols.nFirst);
    const int64_t nEndCol = std::min({srcCols.nEnd, destCols.nEnd, static_cast<int64_t>(source.GetWidth())});
    const Span rows = SpanInside(sy, h, source.GetHeight());
    const WORD* pPixels = source.GetPixelWords();
    for (int64_t c = nFirstCol; c < nEndCol; ++c)
    {
        const int64_t nOffset = source.m_pColumnOffsets[2 * c + 1];
        for (int64_t r = rows.nFirst; r < rows.nEnd; ++r)
        {
            const int64_t y = nOffset + r;
            const int64_t nDestRow = dy + y;
            if (IsEffectRow(y) && nDestRow >= 0 && nDestRow < dest.nHeight)
                dest.Row(static_cast<int>(nDestRow))[dx + c] = pPixels[(sy + r) * source.GetWidth() + sx + c];
        }
    }
}

} // namespace

void CMRVImage::WaveBlit(WORD* pDest, LONG nPitch, int, int, int sx, int sy, int w, int h) const
{
    if (w == 0 && h == 0)
        return;
    AdvanceWavePhase();
    WaveInto(*this, SurfaceFromBuffer(pDest, nPitch), sx, sy, w, h);
}

void CMRVImage::WaveTo(CMRVImage* pTarget, int, int, int sx, int sy, int w, int h) const
{
    if (w == 0 && h == 0)
        return;
    AdvanceWavePhase();
    WaveInto(*this, SurfaceFromImage(pTarget), sx, sy, w, h);
}

void CMRVImage::ColumnShiftBlit(WORD* pDest, LONG nPitch, int dx, int dy, int sx, int sy, int w, int h) const
{
    ColumnShiftInto(*this, SurfaceFromBuffer(pDest, nPitch), dx, dy, sx, sy, w, h);
}

void CMRVImage::ColumnShiftTo(CMRVImage* pTarget, int dx, int dy, int sx, int sy, int w, int h) const
{
    ColumnShiftInto(*this, SurfaceFromImage(pTarget), dx, dy, sx, sy, w, h);
}
