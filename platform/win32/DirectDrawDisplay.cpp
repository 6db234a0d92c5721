// DirectDrawDisplay.cpp: DirectDraw objects, surfaces and the clipper.
#include "platform/win32/DirectDrawDisplay.h"

#include "platform/win32/Win32Api.h"

#include <cstdio>

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

DisplayResult ToResult(HRESULT hResult)
{
    if (SUCCEEDED(hResult))
        return DISPLAY_OK;
    return hResult == DDERR_SURFACELOST ? DISPLAY_SURFACELOST : DISPLAY_FAILED;
}

class CDirectDrawSurface : public IDisplaySurface
{
public:
    explicit CDirectDrawSurface(IDirectDrawSurface* pSurface) : m_pSurface(pSurface) {}

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
        return DISPLAY_OK;
    }

    DisplayResult Unlock() override { return ToResult(m_pSurface->Unlock(nullptr)); }

    DisplayResult Restore() override { return ToResult(m_pSurface->Restore()); }

    DisplayResult Blt(const RECT& rcDest, IDisplaySurface* pSource, const RECT& rcSource) override
    {
        RECT rcTo = rcDest;
        RECT rcFrom = rcSource;
        IDirectDrawSurface* pFrom = static_cast<CDirectDrawSurface*>(pSource)->m_pSurface;
        return ToResult(m_pSurface->Blt(&rcTo, pFrom, &rcFrom, DDBLT_WAIT, nullptr));
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
    IDirectDrawSurface* m_pSurface;
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
