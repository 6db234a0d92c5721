// Canvas.h: an owned Cairo image surface (ARGB32, premultiplied) and a scoped drawing context,
// plus the pixel operations the content needs: crops, pasting, flattening a transparent sprite
// over what lies under it, and deterministic PNG encoding.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class CCanvas
{
public:
    CCanvas(int nWidth, int nHeight); // fully transparent
    ~CCanvas();
    CCanvas(CCanvas&& other) noexcept;
    CCanvas& operator=(CCanvas&& other) noexcept;
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    cairo_surface_t* Surface() const { return m_pSurface; }

    // Premultiplied 0xAARRGGBB at (x, y); 0 outside the canvas.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t dwArgb);

    // Direct access to a row of premultiplied pixels. Call BeginAccess before reading or
    // writing rows and EndAccess after writing, so Cairo sees the changes.
    void BeginAccess() const { Flush(); }
    void EndAccess() { MarkDirty(); }
    uint32_t* Row(int y) const;

    // A copy of the w x h area at (x, y); parts outside the canvas come out transparent.
    CCanvas Crop(int x, int y, int w, int h) const;
    // Composites src over this canvas with its top-left corner at (x, y).
    void Paste(const CCanvas& src, int x, int y, double dAlpha = 1.0);

    // True when every pixel is fully opaque.
    bool IsOpaque() const;
    // Pixels that are neither fully transparent nor fully opaque.
    size_t CountTranslucent() const;
    // Share of fully transparent pixels, 0 to 1.
    double TransparentShare() const;

    // PNG bytes of the canvas (cairo writes no time stamp, so equal pixels give equal bytes).
    std::vector<uint8_t> EncodePng() const;

private:
    void Flush() const;
    void MarkDirty();

    int m_nWidth;
    int m_nHeight;
    cairo_surface_t* m_pSurface;
};

// A Cairo context on a canvas for the lifetime of the object.
class CDraw
{
public:
    explicit CDraw(CCanvas& canvas);
    ~CDraw();
    CDraw(const CDraw&) = delete;
    CDraw& operator=(const CDraw&) = delete;

    operator cairo_t*() const { return m_pCr; }

private:
    cairo_t* m_pCr;
};

// The sprite the game will draw for a transparent layer: wherever the layer covers at least
// nThreshold (0-255) of a pixel, the pixel becomes the layer composited over pUnder (the
// picture the sprite is drawn over, sampled at (nUnderX + x, nUnderY + y)) and fully opaque;
// every other pixel becomes fully transparent. Antialiased edges so blend into the known
// underlay instead of leaving a dark fringe after the colour key.
CCanvas FlattenOver(const CCanvas& layer, const CCanvas& under, int nUnderX, int nUnderY,
                    int nThreshold = 72);
