// SdlDisplay.cpp: texture primary surface over the memory back surface, letterboxed presentation and
// device-loss reporting over an SDL renderer.
#include "platform/sdl/SdlDisplay.h"

#include "platform/Letterbox.h"
#include "platform/MemorySurface.h"
#include "platform/ScreenFormat.h"
#include "platform/sdl/SdlEnvironment.h"
#include "platform/sdl/SdlWindow.h"

#include <cstring>

namespace Platform
{

namespace
{
constexpr LONG kPitch = kScreenWidth * static_cast<LONG>(sizeof(WORD));
constexpr DWORD kDefaultRefreshPeriod = 16; // about 60 Hz
} // namespace

// The screen: copying a frame to it uploads and presents it.
class CSdlPrimarySurface : public CMemoryPrimarySurface
{
public:
    explicit CSdlPrimarySurface(CSdlDisplay& display) : m_Display(display) {}

    DisplayResult Restore() override
    {
        if (!m_Display.m_bDeviceLost)
            return DISPLAY_OK;
        if (!m_Display.CreateTexture())
            return DISPLAY_FAILED;
        m_Display.m_bDeviceLost = FALSE;
        return DISPLAY_OK;
    }
    void Release() override
    {
        if (m_Display.m_pTexture)
            SDL_DestroyTexture(m_Display.m_pTexture);
        m_Display.m_pTexture = nullptr;
        m_Display.m_pPrimary = nullptr;
        delete this;
    }

protected:
    const IDisplaySurface* GetBackSurface() const override { return m_Display.m_pBack; }
    DisplayResult ShowFrame(const CMemoryBackSurface& back) override { return m_Display.ShowFrame(back); }
    BOOL IsDeviceLost() const override { return m_Display.m_bDeviceLost; }

private:
    CSdlDisplay& m_Display;
};

CSdlDisplay::CSdlDisplay(CSdlWindow& window) : m_Window(window)
{
    m_Window.AttachDisplay(this);
}

CSdlDisplay::~CSdlDisplay()
{
    if (m_pPrimary)
        m_pPrimary->Release();
    if (m_pBack)
        m_pBack->Release();
    Release();
    m_Window.AttachDisplay(nullptr);
}

BOOL CSdlDisplay::Fail()
{
    m_strError = std::string("SDL error: ") + SDL_GetError();
    return FALSE;
}

void CSdlDisplay::OnDeviceReset()
{
    m_bDeviceLost = TRUE;
    m_bNeedsRepaint = TRUE;
}

void CSdlDisplay::GetOutputSize(int* pnWidth, int* pnHeight) const
{
    if (!m_pRenderer || SDL_GetRendererOutputSize(m_pRenderer, pnWidth, pnHeight) != 0)
        SDL_GetWindowSize(m_Window.GetSdlWindow(), pnWidth, pnHeight);
}

BOOL CSdlDisplay::Create()
{
    if (!m_Window.GetSdlWindow() || !SDL_GetCurrentVideoDriver() || SDL_GetNumVideoDisplays() < 1)
        return Fail();
    return TRUE;
}

BOOL CSdlDisplay::OpenDevice()
{
    // A renderer that paces with the vertical blank where the machine has a graphics device.
    // Without one, OpenGL would run in software: slow to start and no real vsync, so SDL's
    // software renderer draws straight to the window instead (the shell's timer cap paces).
    // SDL_RENDER_DRIVER in the environment decides instead when it is set.
    SDL_Window* pWindow = m_Window.GetSdlWindow();
    if (!SDL_GetHint(SDL_HINT_RENDER_DRIVER) && !MachineHasGpu())
    {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        m_pRenderer = SDL_CreateRenderer(pWindow, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!m_pRenderer)
        m_pRenderer = SDL_CreateRenderer(pWindow, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!m_pRenderer)
        m_pRenderer = SDL_CreateRenderer(pWindow, -1, SDL_RENDERER_SOFTWARE);
    return m_pRenderer ? TRUE : Fail();
}

BOOL CSdlDisplay::GetCaps(DisplayCaps& caps)
{
    caps = DisplayCaps{};
    SDL_RendererInfo info = {};
    if (!m_pRenderer || SDL_GetRendererInfo(m_pRenderer, &info) != 0)
        return Fail();
    const BOOL bAccelerated = (info.flags & SDL_RENDERER_ACCELERATED) != 0;
    caps.bNoHardware = !bAccelerated;
    caps.bColorFill = TRUE;
    caps.bHardwareBlit = bAccelerated;
    caps.bVerticalBlank = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    caps.bPageFlip = bAccelerated;
    caps.dwVideoMemoryTotal = 0; // SDL does not tell
    return TRUE;
}

BOOL CSdlDisplay::SetCooperativeLevel(HWND, BOOL bExclusive)
{
    // Exclusive use is the window filling the desktop, unless the player asked to start in a
    // window; giving the display back needs nothing, since the desktop's own mode is never
    // changed and the window goes away on its own.
    if (bExclusive && m_Window.GetStartFullscreen() && !m_Window.IsFullscreen())
    {
        m_Window.SetFullscreen(TRUE);
        if (!m_Window.IsFullscreen())
            return Fail();
    }
    return TRUE;
}

BOOL CSdlDisplay::SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBitsPerPixel)
{
    if (dwWidth != kScreenWidth || dwHeight != kScreenHeight || dwBitsPerPixel != 16)
    {
        SDL_SetError("only 640x480 with 16-bit pixels is offered");
        return Fail();
    }
    // The picture is scaled to the desktop instead of switching the screen's mode; frames are
    // paced by the screen's refresh.
    SDL_DisplayMode mode = {};
    const int nDisplay = SDL_GetWindowDisplayIndex(m_Window.GetSdlWindow());
    m_dwRefreshPeriod = kDefaultRefreshPeriod;
    if (nDisplay >= 0 && SDL_GetDesktopDisplayMode(nDisplay, &mode) == 0 && mode.refresh_rate > 0)
        m_dwRefreshPeriod = static_cast<DWORD>(1000 / mode.refresh_rate);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    return TRUE;
}

BOOL CSdlDisplay::RestoreDisplayMode()
{
    return TRUE;
}

BOOL CSdlDisplay::CreateTexture()
{
    if (m_pTexture)
        SDL_DestroyTexture(m_pTexture);
    m_pTexture = SDL_CreateTexture(m_pRenderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                   kScreenWidth, kScreenHeight);
    m_bNeedsRepaint = TRUE;
    return m_pTexture ? TRUE : Fail();
}

IDisplaySurface* CSdlDisplay::CreatePrimarySurface()
{
    if (!m_pRenderer || !CreateTexture())
        return nullptr;
    m_pPrimary = new CSdlPrimarySurface(*this);
    return m_pPrimary;
}

IDisplaySurface* CSdlDisplay::CreateBackSurface(DWORD dwWidth, DWORD dwHeight)
{
    if (dwWidth != kScreenWidth || dwHeight != kScreenHeight)
    {
        SDL_SetError("the back surface is 640x480");
        Fail();
        return nullptr;
    }
    m_pBack = new CMemoryBackSurface([this] { m_pBack = nullptr; });
    return m_pBack;
}

BOOL CSdlDisplay::CreateClipper(HWND hWnd)
{
    // The renderer only ever draws inside its own window.
    return hWnd ? TRUE : FALSE;
}

void CSdlDisplay::Release()
{
    if (m_pTexture)
        SDL_DestroyTexture(m_pTexture);
    m_pTexture = nullptr;
    if (m_pRenderer)
        SDL_DestroyRenderer(m_pRenderer);
    m_pRenderer = nullptr;
}

DisplayResult CSdlDisplay::ShowFrame(const CMemoryBackSurface& back)
{
    const std::vector<WORD>& pixels = back.Pixels();
    if (!m_bNeedsRepaint && m_Shown.size() == pixels.size() &&
        std::memcmp(m_Shown.data(), pixels.data(), pixels.size() * sizeof(WORD)) == 0)
        return DISPLAY_OK;
    if (!m_pTexture || SDL_UpdateTexture(m_pTexture, nullptr, pixels.data(), kPitch) != 0)
        return DISPLAY_FAILED;

    int nWidth = 0;
    int nHeight = 0;
    GetOutputSize(&nWidth, &nHeight);
    const ScaleMode eMode = m_Window.GetScaleMode();
    const PictureRect picture = ComputePictureRect(nWidth, nHeight, eMode);
    const SDL_Rect rcDest = {picture.nX, picture.nY, picture.nWidth, picture.nHeight};
    SDL_SetTextureScaleMode(m_pTexture, eMode == SCALE_SMOOTH ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_SetRenderDrawColor(m_pRenderer, 0, 0, 0, 255);
    SDL_RenderClear(m_pRenderer);
    SDL_RenderCopy(m_pRenderer, m_pTexture, nullptr, &rcDest);
    SDL_RenderPresent(m_pRenderer);
    m_Shown = pixels;
    m_bNeedsRepaint = FALSE;
    return DISPLAY_OK;
}

} // namespace Platform
