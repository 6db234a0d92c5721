// Canvas.cpp: the owned Cairo surface, crops and pastes, sprite flattening and PNG encoding.
#include "Canvas.h"

#include <cstring>
#include <utility>

CCanvas::CCanvas(int nWidth, int nHeight)
    : m_nWidth(nWidth), m_nHeight(nHeight),
      m_pSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, nWidth, nHeight))
{
    // A new Cairo image surface is cleared to transparent.
}

CCanvas::~CCanvas()
{
    if (m_pSurface)
        cairo_surface_destroy(m_pSurface);
}

CCanvas::CCanvas(CCanvas&& other) noexcept
    : m_nWidth(other.m_nWidth), m_nHeight(other.m_nHeight), m_pSurface(other.m_pSurface)
{
    other.m_pSurface = nullptr;
}

CCanvas& CCanvas::operator=(CCanvas&& other) noexcept
{
    std::swap(m_nWidth, other.m_nWidth);
    std::swap(m_nHeight, other.m_nHeight);
    std::swap(m_pSurface, other.m_pSurface);
    return *this;
}

void CCanvas::Flush() const
{
    cairo_surface_flush(m_pSurface);
}

void CCanvas::MarkDirty()
{
    cairo_surface_mark_dirty(m_pSurface);
}

uint32_t CCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return 0;
    Flush();
    const unsigned char* pRow =
        cairo_image_surface_get_data(m_pSurface) + y * cairo_image_surface_get_stride(m_pSurface);
    uint32_t dw;
    std::memcpy(&dw, pRow + x * 4, 4);
    return dw;
}

void CCanvas::SetPixel(int x, int y, uint32_t dwArgb)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return;
    Flush();
    unsigned char* pRow =
        cairo_image_surface_get_data(m_pSurface) + y * cairo_image_surface_get_stride(m_pSurface);
    std::memcpy(pRow + x * 4, &dwArgb, 4);
    MarkDirty();
}

uint32_t* CCanvas::Row(int y) const
{
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(m_pSurface) +
                                       y * cairo_image_surface_get_stride(m_pSurface));
}

CCanvas CCanvas::Crop(int x, int y, int w, int h) const
{
    CCanvas out(w, h);
    CDraw cr(out);
    cairo_set_source_surface(cr, m_pSurface, -x, -y);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    return out;
}

void CCanvas::Paste(const CCanvas& src, int x, int y, double dAlpha)
{
    CDraw cr(*this);
    cairo_set_source_surface(cr, src.m_pSurface, x, y);
    cairo_paint_with_alpha(cr, dAlpha);
}

bool CCanvas::IsOpaque() const
{
    return TransparentShare() == 0.0 && CountTranslucent() == 0;
}

size_t CCanvas::CountTranslucent() const
{
    Flush();
    size_t nCount = 0;
    for (int y = 0; y < m_nHeight; ++y)
    {
        const uint32_t* pRow = Row(y);
        for (int x = 0; x < m_nWidth; ++x)
            if ((pRow[x] >> 24) != 0 && (pRow[x] >> 24) != 0xFF)
                ++nCount;
    }
    return nCount;
}

double CCanvas::TransparentShare() const
{
    Flush();
    size_t nClear = 0;
    for (int y = 0; y < m_nHeight; ++y)
    {
        const uint32_t* pRow = Row(y);
        for (int x = 0; x < m_nWidth; ++x)
            if ((pRow[x] >> 24) == 0)
                ++nClear;
    }
    return m_nWidth * m_nHeight == 0 ? 0.0 : double(nClear) / double(m_nWidth * m_nHeight);
}

namespace
{
cairo_status_t AppendBytes(void* pClosure, const unsigned char* pData, unsigned int nLength)
{
    auto* pOut = static_cast<std::vector<uint8_t>*>(pClosure);
    pOut->insert(pOut->end(), pData, pData + nLength);
    return CAIRO_STATUS_SUCCESS;
}
} // namespace

std::vector<uint8_t> CCanvas::EncodePng() const
{
    std::vector<uint8_t> bytes;
    cairo_surface_write_to_png_stream(m_pSurface, AppendBytes, &bytes);
    return bytes;
}

CDraw::CDraw(CCanvas& canvas) : m_pCr(cairo_create(canvas.Surface())) {}

CDraw::~CDraw()
{
    cairo_destroy(m_pCr);
}

namespace
{
uint32_t Channel(uint32_t dw, int nShift)
{
    return (dw >> nShift) & 0xFF;
}
} // namespace

CCanvas FlattenOver(const CCanvas& layer, const CCanvas& under, int nUnderX, int nUnderY, int nThreshold)
{
    CCanvas out(layer.Width(), layer.Height());
    layer.BeginAccess();
    under.BeginAccess();
    out.BeginAccess();
    for (int y = 0; y < layer.Height(); ++y)
    {
        const uint32_t* pTop = layer.Row(y);
        uint32_t* pOut = out.Row(y);
        const int nUy = nUnderY + y;
        const uint32_t* pUnder = (nUy >= 0 && nUy < under.Height()) ? under.Row(nUy) : nullptr;
        for (int x = 0; x < layer.Width(); ++x)
        {
            const uint32_t dwTop = pTop[x];
            const uint32_t nAlpha = dwTop >> 24;
            if (int(nAlpha) < nThreshold)
                continue;
            const int nUx = nUnderX + x;
            const uint32_t dwUnder = (pUnder && nUx >= 0 && nUx < under.Width()) ? pUnder[nUx] : 0xFF000000u;
            uint32_t dwOut = 0xFF000000u;
            for (int nShift = 0; nShift <= 16; nShift += 8)
            {
                // Premultiplied "over": top + under * (1 - alpha); the underlay is opaque.
                const uint32_t c =
                    Channel(dwTop, nShift) + (Channel(dwUnder, nShift) * (255 - nAlpha) + 127) / 255;
                dwOut |= (c > 255 ? 255 : c) << nShift;
            }
            pOut[x] = dwOut;
        }
    }
    out.EndAccess();
    return out;
}
