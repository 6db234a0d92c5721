// DrawSurface.h: what the drawing operations need to know about their source and destination
// before touching a pixel: the destination as a bounded pixel grid, whether an image holds
// drawable pixels, and the clipping of a draw rectangle to both sides.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>

class CMRVImage;

namespace MRVDraw
{

// A destination: pixels, row step in pixels and the size writes are limited to.
// pPixels is null when the destination cannot be drawn into.
struct Surface
{
    WORD* pPixels = nullptr;
    ptrdiff_t nPitch = 0;
    int nWidth = 0;
    int nHeight = 0;

    bool IsValid() const { return pPixels != nullptr; }
    WORD* Row(int y) const { return pPixels + static_cast<ptrdiff_t>(y) * nPitch; }
};

// A pitched buffer is taken to be the 640 x 480 screen. The byte pitch is rounded down to
// even; a pitch narrower than a screen row narrows the area so rows never overlap.
Surface SurfaceFromBuffer(WORD* pPixels, LONG nPitch);
// A decoded raw image of its own size, pitch = width.
Surface SurfaceFromImage(CMRVImage* pTarget);

// TRUE when the image is a decoded raw pixel array whose buffer holds all its pixels.
bool HasRawPixels(const CMRVImage& image);
// TRUE when the image is a decoded run-coded picture with a payload.
bool HasRunCodedPixels(const CMRVImage& image);
// Bytes of run-coded payload that may be read: the smaller of buffer and data size.
size_t RunCodedPayloadSize(const CMRVImage& image);

// A source rectangle (sx, sy, w, h) drawn with its top-left at (dx, dy).
struct DrawRect
{
    int dx, dy, sx, sy, w, h;
};

// Trims r so that its source area lies inside nSrcWidth x nSrcHeight and its destination
// area inside the surface; false when nothing is left to draw.
bool ClipDrawRect(DrawRect& r, int nSrcWidth, int nSrcHeight, const Surface& dest);

} // namespace MRVDraw
