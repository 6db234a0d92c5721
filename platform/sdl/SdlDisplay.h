// SdlDisplay.h: the display service on SDL2.
//
// The back surface is plain memory (640x480 16-bit 5-6-5); the primary surface is a streaming
// RGB565 texture that the frame copy updates and draws into the window through an SDL renderer
// (vsync when the driver offers it), placed by the window's scaling mode (platform/Letterbox.h)
// and filtered only in the smooth mode. A frame identical to
// the one on screen is not uploaded again unless the window needs repainting. A reset of the
// render device is reported as a lost primary surface, so the next frame is drawn complete.
// Failures give SDL's own reason through GetErrorText.
#pragma once

#include "platform/Display.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace Platform
{

class CSdlWindow;
class CSdlPrimarySurface;
class CMemoryBackSurface;

class CSdlDisplay : public IDisplay
{
public:
    explicit CSdlDisplay(CSdlWindow& window);
    ~CSdlDisplay() override;
    CSdlDisplay(const CSdlDisplay&) = delete;
    CSdlDisplay& operator=(const CSdlDisplay&) = delete;

    // Called by the window.
    void OnDeviceReset();
    void Invalidate() { m_bNeedsRepaint = TRUE; }
    // The renderer's output size in pixels (the window size before there is a renderer).
    void GetOutputSize(int* pnWidth, int* pnHeight) const;
    // The frame the player sees now (640x480, 5-6-5); empty before the first one.
    const std::vector<WORD>& GetShownFrame() const { return m_Shown; }

    BOOL Create() override;
    BOOL OpenDevice() override;
    BOOL GetCaps(DisplayCaps& caps) override;
    BOOL SetCooperativeLevel(HWND hWnd, BOOL bExclusive) override;
    BOOL SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBitsPerPixel) override;
    BOOL RestoreDisplayMode() override;
    IDisplaySurface* CreatePrimarySurface() override;
    IDisplaySurface* CreateBackSurface(DWORD dwWidth, DWORD dwHeight) override;
    BOOL CreateClipper(HWND hWnd) override;
    void Release() override;
    DWORD GetRefreshPeriod() override { return m_dwRefreshPeriod; }
    const char* GetErrorText() override { return m_strError.c_str(); }

private:
    friend class CSdlPrimarySurface;

    // Records SDL's reason for a failure; always FALSE.
    BOOL Fail();
    // Copies the back surface to the texture and shows it, unless nothing changed.
    DisplayResult ShowFrame(const CMemoryBackSurface& back);
    BOOL CreateTexture();

    CSdlWindow& m_Window;
    SDL_Renderer* m_pRenderer = nullptr;
    SDL_Texture* m_pTexture = nullptr;
    CSdlPrimarySurface* m_pPrimary = nullptr;
    CMemoryBackSurface* m_pBack = nullptr;
    std::vector<WORD> m_Shown; // the frame on screen, to skip unchanged ones
    BOOL m_bNeedsRepaint = TRUE;
    BOOL m_bDeviceLost = FALSE;
    DWORD m_dwRefreshPeriod = 16;
    std::string m_strError;
};

} // namespace Platform
