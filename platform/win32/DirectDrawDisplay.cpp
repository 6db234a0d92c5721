// DirectDrawDisplay.cpp: DirectDraw objects, surfaces and the clipper.
#include "platform/win32/DirectDrawDisplay.h"

#include "platform/win32/Win32Api.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace Platform
{

static_assert(LOCK_WAIT == DDLOCK_WAIT && LOCK_WRITEONLY == DDLOCK_WRITEONLY &&
                  LOCK_NOSYSLOCK == DDLOCK_NOSYSLOCK,
              "the display's lock flags are DirectDraw's");

namespace
{

// Refresh period when the device does not report its frequency: about 60 Hz.
constexpr DWORD kDefaultRefreshPeriod = 16;

const char* ResultName(HRESULT hResult)
{
    switch (hResult)
    {
    case DDERR_SURFACELOST:
        return "DDERR_SURFACELOST";
    case DDERR_INVALIDPARAMS:
        return "DDERR_INVALIDPARAMS";
    case DDERR_INVALIDMODE:
        return "DDERR_INVALIDMODE";
    case DDERR_UNSUPPORTEDMODE:
        return "DDERR_UNSUPPORTEDMODE";
    case DDERR_UNSUPPORTED:
        return "DDERR_UNSUPPORTED";
    case DDERR_NOEXCLUSIVEMODE:
        return "DDERR_NOEXCLUSIVEMODE";
    case DDERR_EXCLUSIVEMODEALREADYSET:
        return "DDERR_EXCLUSIVEMODEALREADYSET";
    case DDERR_OUTOFMEMORY:
        return "DDERR_OUTOFMEMORY";
    case DDERR_OUTOFVIDEOMEMORY:
        return "DDERR_OUTOFVIDEOMEMORY";
    case DDERR_GENERIC:
        return "DDERR_GENERIC";
    default:
        return "";
    }
}

// Whole words at a time, without stopping at the first difference: the loop vectorises, and
// on an idle screen every row is read to its end anyway.
bool RowsDiffer(const WORD* pShown, const BYTE* pRow, size_t nBytes)
{
    uint64_t qwDifference = 0;
    size_t i = 0;
    for (; i + sizeof(uint64_t) <= nBytes; i += sizeof(uint64_t))
    {
        uint64_t qwShown;
        uint64_t qwDrawn;
        std::memcpy(&qwShown, reinterpret_cast<const BYTE*>(pShown) + i, sizeof(qwShown));
        std::memcpy(&qwDrawn, pRow + i, sizeof(qwDrawn));
        qwDifference |= qwShown ^ qwDrawn;
    }
    for (; i < nBytes; ++i)
        qwDifference |= reinterpret_cast<const BYTE*>(pShown)[i] ^ pRow[i];
    return qwDifference != 0;
}

DisplayResult ToResult(HRESULT hResult)
{
    if (SUCCEEDED(hResult))
        return DISPLAY_OK;
    return hResult == DDERR_SURFACELOST ? DISPLAY_SURFACELOST : DISPLAY_FAILED;
}

// One DirectDraw surface. A back surface in system memory keeps a copy of the frame last shown
// (see Unlock and Blt); one in video memory, which the processor reads slowly and the device
// copies by itself, does not.
class CDirectDrawSurface : public IDisplaySurface
{
public:
    explicit CDirectDrawSurface(IDirectDrawSurface* pSurface) : m_pSurface(pSurface)
    {
        DDSURFACEDESC desc = {};
        desc.dwSize = sizeof(desc);
        if (SUCCEEDED(m_pSurface->GetSurfaceDesc(&desc)) && (desc.ddsCaps.dwCaps & DDSCAPS_OFFSCREENPLAIN) &&
            (desc.ddsCaps.dwCaps & DDSCAPS_SYSTEMMEMORY))
        {
            m_nRowPixels = desc.dwWidth;
            m_Shown.assign(size_t(desc.dwWidth) * desc.dwHeight, 0);
        }
    }

    DisplayResult Lock(WORD** ppPixels, LONG* pnPitch, DWORD dwFlags) override
    {
        DDSURFACEDESC desc = {};
        desc.dwSize = sizeof(desc);
        desc.dwFlags = DDSD_PITCH;
        const HRESULT hResult = m_pSurface->Lock(nullptr, &desc, dwFlags, nullptr);
        if (FAILED(hResult))
            return ToResult(hResult);
        *ppPixels = static_cast<WORD*>(desc.lpSurface);
        *pnPitch = desc.lPitch;
        m_pLocked = *ppPixels;
        m_nLockedPitch = desc.lPitch;
        return DISPLAY_OK;
    }

    // Notes whether the frame just drawn differs from the one last shown.
    DisplayResult Unlock() override
    {
        if (m_pLocked && !m_Shown.empty())
        {
            const size_t nRowBytes = m_nRowPixels * sizeof(WORD);
            const BYTE* pRow = reinterpret_cast<const BYTE*>(m_pLocked);
            for (size_t nRow = 0; nRow < m_Shown.size() / m_nRowPixels; ++nRow, pRow += m_nLockedPitch)
            {
                WORD* pShown = m_Shown.data() + nRow * m_nRowPixels;
                if (RowsDiffer(pShown, pRow, nRowBytes))
                {
                    std::memcpy(pShown, pRow, nRowBytes);
                    m_bChanged = true;
                }
            }
        }
        m_pLocked = nullptr;
        return ToResult(m_pSurface->Unlock(nullptr));
    }

    DisplayResult Restore() override
    {
        m_bChanged = true;
        return ToResult(m_pSurface->Restore());
    }

    // A frame the screen shows already is not copied again (the processor would convert and
    // send 600 kB for nothing on every refresh of an idle scene), except every few hundred
    // milliseconds, so that anything that drew over the screen is painted over.
    DisplayResult Blt(const RECT& rcDest, IDisplaySurface* pSource, const RECT& rcSource) override
    {
        CDirectDrawSurface* pFrom = static_cast<CDirectDrawSurface*>(pSource);
        const DWORD dwNow = ::timeGetTime();
        if (!pFrom->m_Shown.empty() && !pFrom->m_bChanged && !m_bStale && dwNow - m_dwLastCopy < kRepaintMs)
            return DISPLAY_OK;
        RECT rcTo = rcDest;
        RECT rcFrom = rcSource;
        const HRESULT hResult = m_pSurface->Blt(&rcTo, pFrom->m_pSurface, &rcFrom, DDBLT_WAIT, nullptr);
        if (SUCCEEDED(hResult))
        {
            pFrom->m_bChanged = false;
            m_bStale = false;
            m_dwLastCopy = dwNow;
        }
        else
            m_bStale = true;
        return ToResult(hResult);
    }

    BOOL GetPixelFormat(DisplayPixelFormat& format) override
    {
        DDSURFACEDESC desc = {};
        desc.dwSize = sizeof(desc);
        desc.dwFlags = DDSD_PIXELFORMAT | DDSD_PITCH;
        if (FAILED(m_pSurface->GetSurfaceDesc(&desc)))
            return FALSE;
        format.dwRGBBitCount = desc.ddpfPixelFormat.dwRGBBitCount;
        format.dwRedMask = desc.ddpfPixelFormat.dwRBitMask;
        format.dwGreenMask = desc.ddpfPixelFormat.dwGBitMask;
        format.dwBlueMask = desc.ddpfPixelFormat.dwBBitMask;
        return TRUE;
    }

    void Release() override
    {
        m_pSurface->Release();
        delete this;
    }

private:
    static constexpr DWORD kRepaintMs = 250;

    IDirectDrawSurface* m_pSurface;
    // Back surface in system memory: the frame last shown, and whether the one drawn since
    // differs from it.
    std::vector<WORD> m_Shown;
    size_t m_nRowPixels = 0;
    bool m_bChanged = true;
    WORD* m_pLocked = nullptr;
    LONG m_nLockedPitch = 0;
    // Primary surface: when it was last copied to, and whether a copy failed since.
    DWORD m_dwLastCopy = 0;
    bool m_bStale = true;
};

} // namespace

CDirectDrawDisplay::CDirectDrawDisplay()
    : m_pDirectDraw(nullptr), m_pDirectDraw2(nullptr), m_pPrimary(nullptr), m_dwRefreshPeriod(0)
{
}

CDirectDrawDisplay::~CDirectDrawDisplay()
{
    Release();
}

BOOL CDirectDrawDisplay::Check(long hResult, const char* pszCall)
{
    if (SUCCEEDED(hResult))
        return TRUE;
    char szText[128];
    std::snprintf(szText, sizeof(szText), "%s: 0x%08lX %s", pszCall, static_cast<unsigned long>(hResult),
                  ResultName(hResult));
    m_strError = szText;
    return FALSE;
}

BOOL CDirectDrawDisplay::Create()
{
    m_strError.clear();
    return Check(::DirectDrawCreate(nullptr, &m_pDirectDraw, nullptr), "DirectDrawCreate");
}

BOOL CDirectDrawDisplay::OpenDevice()
{
    if (!m_pDirectDraw)
        return FALSE;
    const HRESULT hResult =
        m_pDirectDraw->QueryInterface(IID_IDirectDraw2, reinterpret_cast<void**>(&m_pDirectDraw2));
    // The game draws through IDirectDraw2 only.
    m_pDirectDraw->Release();
    m_pDirectDraw = nullptr;
    return Check(hResult, "QueryInterface(IID_IDirectDraw2)");
}

BOOL CDirectDrawDisplay::GetCaps(DisplayCaps& caps)
{
    // The driver's record and the emulation's; only the driver's is reported.
    DDCAPS driver = {};
    DDCAPS emulation = {};
    driver.dwSize = sizeof(driver);
    emulation.dwSize = sizeof(emulation);
    if (!Check(m_pDirectDraw2->GetCaps(&driver, &emulation), "GetCaps"))
        return FALSE;
    caps.bNoHardware = (driver.dwCaps & DDCAPS_NOHARDWARE) ? TRUE : FALSE;
    caps.bColorFill = (driver.dwCaps & DDCAPS_BLTCOLORFILL) ? TRUE : FALSE;
    caps.bHardwareBlit = (driver.dwCaps & DDCAPS_BLT) ? TRUE : FALSE;
    caps.bVerticalBlank = (driver.dwCaps & DDCAPS_VBI) ? TRUE : FALSE;
    caps.bPageFlip = (driver.ddsCaps.dwCaps & DDSCAPS_FLIP) ? TRUE : FALSE;
    caps.dwVideoMemoryTotal = driver.dwVidMemTotal;
    return TRUE;
}

BOOL CDirectDrawDisplay::SetCooperativeLevel(HWND hWnd, BOOL bExclusive)
{
    const DWORD dwFlags = bExclusive ? (DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) : DDSCL_NORMAL;
    return Check(m_pDirectDraw2->SetCooperativeLevel(hWnd, dwFlags), "SetCooperativeLevel");
}

BOOL CDirectDrawDisplay::SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBitsPerPixel)
{
    if (!Check(m_pDirectDraw2->SetDisplayMode(dwWidth, dwHeight, dwBitsPerPixel, 0, 0), "SetDisplayMode"))
        return FALSE;
    DWORD dwFrequency = 0;
    m_dwRefreshPeriod = kDefaultRefreshPeriod;
    if (SUCCEEDED(m_pDirectDraw2->GetMonitorFrequency(&dwFrequency)) && dwFrequency >= 20 &&
        dwFrequency <= 500)
        m_dwRefreshPeriod = 1000 / dwFrequency;
    return TRUE;
}

BOOL CDirectDrawDisplay::RestoreDisplayMode()
{
    return m_pDirectDraw2 && Check(m_pDirectDraw2->RestoreDisplayMode(), "RestoreDisplayMode") ? TRUE : FALSE;
}

IDirectDrawSurface* CDirectDrawDisplay::CreateSurface(DWORD dwFlags, DWORD dwCaps, DWORD dwWidth,
                                                      DWORD dwHeight, const char* pszCall)
{
    DDSURFACEDESC desc = {};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = dwFlags;
    desc.dwWidth = dwWidth;
    desc.dwHeight = dwHeight;
    desc.ddsCaps.dwCaps = dwCaps;
    IDirectDrawSurface* pSurface = nullptr;
    if (!Check(m_pDirectDraw2->CreateSurface(&desc, &pSurface, nullptr), pszCall))
        return nullptr;
    return pSurface;
}

IDisplaySurface* CDirectDrawDisplay::CreatePrimarySurface()
{
    IDirectDrawSurface* pSurface =
        CreateSurface(DDSD_CAPS, DDSCAPS_PRIMARYSURFACE, 0, 0, "CreateSurface(primary)");
    if (!pSurface)
        return nullptr;
    if (m_pPrimary)
        m_pPrimary->Release();
    m_pPrimary = pSurface;
    m_pPrimary->AddRef();
    return new CDirectDrawSurface(pSurface);
}

IDisplaySurface* CDirectDrawDisplay::CreateBackSurface(DWORD dwWidth, DWORD dwHeight)
{
    // No memory placement is asked for: the driver chooses video or system memory.
    IDirectDrawSurface* pSurface = CreateSurface(DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT, DDSCAPS_OFFSCREENPLAIN,
                                                 dwWidth, dwHeight, "CreateSurface(back)");
    return pSurface ? new CDirectDrawSurface(pSurface) : nullptr;
}

BOOL CDirectDrawDisplay::CreateClipper(HWND hWnd)
{
    IDirectDrawClipper* pClipper = nullptr;
    if (!m_pPrimary || !Check(m_pDirectDraw2->CreateClipper(0, &pClipper, nullptr), "CreateClipper"))
        return FALSE;
    // The primary surface keeps the clipper alive; the results are the driver's business.
    pClipper->SetHWnd(0, hWnd);
    m_pPrimary->SetClipper(pClipper);
    pClipper->Release();
    return TRUE;
}

void CDirectDrawDisplay::Release()
{
    if (m_pPrimary)
    {
        m_pPrimary->Release();
        m_pPrimary = nullptr;
    }
    if (m_pDirectDraw2)
    {
        m_pDirectDraw2->Release();
        m_pDirectDraw2 = nullptr;
    }
    if (m_pDirectDraw)
    {
        m_pDirectDraw->Release();
        m_pDirectDraw = nullptr;
    }
}

DWORD CDirectDrawDisplay::GetRefreshPeriod()
{
    return m_dwRefreshPeriod;
}

const char* CDirectDrawDisplay::GetErrorText()
{
    return m_strError.c_str();
}

} // namespace Platform
