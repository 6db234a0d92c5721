// HeadlessDisplay.cpp: in-memory surfaces, their copy and the injected failures.
#include "platform/headless/HeadlessDisplay.h"

#include <algorithm>
#include <cstring>

namespace Platform
{

namespace
{
constexpr LONG kBackPitchPadding = 32; // pixels past each row of the back surface
} // namespace

CHeadlessSurface::CHeadlessSurface(CHeadlessDisplay& display, HeadlessSurfaceCounts& counts, DWORD dwWidth,
                                   DWORD dwHeight, LONG nPitchPixels, const DisplayPixelFormat& format)
    : m_Display(display), m_Counts(counts), m_dwWidth(dwWidth), m_dwHeight(dwHeight),
      m_nPitchPixels(nPitchPixels), m_Format(format),
      m_Pixels(static_cast<size_t>(nPitchPixels) * dwHeight, 0)
{
    ++m_Counts.nCreated;
}

void CHeadlessSurface::Release()
{
    ++m_Counts.nReleased;
    m_Display.Forget(this);
    delete this;
}

DisplayResult CHeadlessSurface::Lock(WORD** ppPixels, LONG* pnPitch, DWORD dwFlags)
{
    ++m_Counts.nLocks;
    m_Counts.dwLastLockFlags = dwFlags;
    if (m_bLost)
        return DISPLAY_SURFACELOST;
    if (m_nFailingLocks > 0)
    {
        --m_nFailingLocks;
        return DISPLAY_FAILED;
    }
    if (m_bLocked)
        return DISPLAY_FAILED;
    m_bLocked = TRUE;
    *ppPixels = m_Pixels.data();
    *pnPitch = m_nPitchPixels * static_cast<LONG>(sizeof(WORD));
    return DISPLAY_OK;
}

DisplayResult CHeadlessSurface::Unlock()
{
    if (!m_bLocked)
        return DISPLAY_FAILED;
    m_bLocked = FALSE;
    if (m_nFailingUnlocks > 0)
    {
        --m_nFailingUnlocks;
        return DISPLAY_FAILED;
    }
    return DISPLAY_OK;
}

DisplayResult CHeadlessSurface::Restore()
{
    ++m_Counts.nRestores;
    if (m_nFailingRestores > 0)
    {
        --m_nFailingRestores;
        return DISPLAY_FAILED;
    }
    if (m_bLost)
    {
        // Restored memory holds nothing meaningful.
        std::fill(m_Pixels.begin(), m_Pixels.end(), static_cast<WORD>(0xDEAD));
        m_bLost = FALSE;
    }
    return DISPLAY_OK;
}

DisplayResult CHeadlessSurface::Blt(const RECT& rcDest, IDisplaySurface* pSource, const RECT& rcSource)
{
    ++m_Counts.nBlts;
    if (m_bLost)
        return DISPLAY_SURFACELOST;
    auto* pFrom = static_cast<CHeadlessSurface*>(pSource);
    if (!pFrom || pFrom->m_bLocked || m_bLocked)
        return DISPLAY_FAILED;
    const LONG nWidth = rcSource.right - rcSource.left;
    const LONG nHeight = rcSource.bottom - rcSource.top;
    if (nWidth != rcDest.right - rcDest.left || nHeight != rcDest.bottom - rcDest.top || rcSource.left < 0 ||
        rcSource.top < 0 || rcDest.left < 0 || rcDest.top < 0 ||
        rcSource.right > static_cast<LONG>(pFrom->m_dwWidth) ||
        rcSource.bottom > static_cast<LONG>(pFrom->m_dwHeight) ||
        rcDest.right > static_cast<LONG>(m_dwWidth) || rcDest.bottom > static_cast<LONG>(m_dwHeight))
        return DISPLAY_FAILED;
    for (LONG y = 0; y < nHeight; ++y)
    {
        const WORD* pRow =
            &pFrom->m_Pixels[static_cast<size_t>((rcSource.top + y) * pFrom->m_nPitchPixels + rcSource.left)];
        std::memcpy(&m_Pixels[static_cast<size_t>((rcDest.top + y) * m_nPitchPixels + rcDest.left)], pRow,
                    static_cast<size_t>(nWidth) * sizeof(WORD));
    }
    return DISPLAY_OK;
}

BOOL CHeadlessSurface::GetPixelFormat(DisplayPixelFormat& format)
{
    format = m_Format;
    return TRUE;
}

CHeadlessDisplay::CHeadlessDisplay(const DisplayPixelFormat& format, DWORD dwRefreshPeriod)
    : m_Format(format), m_dwRefreshPeriod(dwRefreshPeriod)
{
}

CHeadlessDisplay::~CHeadlessDisplay()
{
    delete m_pPrimary;
    delete m_pBack;
}

void CHeadlessDisplay::Forget(const CHeadlessSurface* pSurface)
{
    if (m_pPrimary == pSurface)
        m_pPrimary = nullptr;
    if (m_pBack == pSurface)
        m_pBack = nullptr;
}

BOOL CHeadlessDisplay::GetCaps(DisplayCaps& caps)
{
    caps = DisplayCaps{};
    caps.bNoHardware = TRUE;
    return TRUE;
}

BOOL CHeadlessDisplay::SetCooperativeLevel(HWND hWnd, BOOL bExclusive)
{
    if (!hWnd || !Step(HeadlessDisplayStep::CooperativeLevel))
        return FALSE;
    m_bExclusive = bExclusive;
    return TRUE;
}

BOOL CHeadlessDisplay::SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBitsPerPixel)
{
    if (!Step(HeadlessDisplayStep::DisplayMode) || dwWidth != static_cast<DWORD>(kScreenWidth) ||
        dwHeight != static_cast<DWORD>(kScreenHeight) ||
        dwBitsPerPixel != static_cast<DWORD>(kScreenBitsPerPixel))
        return FALSE;
    m_bModeSet = TRUE;
    return TRUE;
}

BOOL CHeadlessDisplay::RestoreDisplayMode()
{
    ++m_nRestoreModeCount;
    m_bModeSet = FALSE;
    return TRUE;
}

IDisplaySurface* CHeadlessDisplay::CreatePrimarySurface()
{
    if (!Step(HeadlessDisplayStep::PrimarySurface))
        return nullptr;
    m_pPrimary =
        new CHeadlessSurface(*this, m_PrimaryCounts, kScreenWidth, kScreenHeight, kScreenWidth, m_Format);
    return m_pPrimary;
}

IDisplaySurface* CHeadlessDisplay::CreateBackSurface(DWORD dwWidth, DWORD dwHeight)
{
    if (!Step(HeadlessDisplayStep::BackSurface))
        return nullptr;
    m_pBack = new CHeadlessSurface(*this, m_BackCounts, dwWidth, dwHeight,
                                   static_cast<LONG>(dwWidth) + kBackPitchPadding, m_Format);
    return m_pBack;
}

} // namespace Platform
