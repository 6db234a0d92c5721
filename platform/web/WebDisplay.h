// WebDisplay.h: the display service in a browser page.
//
// The back surface is plain memory (640x480 16-bit 5-6-5); the primary surface is the page's
// 640x480 canvas. Copying a frame to it converts the pixels to RGBA (each channel expanded to
// 8 bits with rounding, the same values as the headless runner's shots) and puts them into
// the canvas, only when the frame differs from the one shown. The canvas never goes away, so
// no surface is ever lost. The display keeps the time each frame took, from the lock of the
// back surface that starts drawing it to the end of its copy to the canvas, for the page's
// frame-time figure.
#pragma once

#include "platform/Display.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Platform
{

class CWebWindow;
class CMemoryBackSurface;
class CWebPrimarySurface;

class CWebDisplay : public IDisplay
{
public:
    explicit CWebDisplay(CWebWindow& window);
    ~CWebDisplay() override;
    CWebDisplay(const CWebDisplay&) = delete;
    CWebDisplay& operator=(const CWebDisplay&) = delete;

    // The next frame is shown even when it equals the last one.
    void Invalidate() { m_bNeedsRepaint = TRUE; }

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
    DWORD GetRefreshPeriod() override;
    const char* GetErrorText() override { return m_strError.c_str(); }

private:
    friend class CWebPrimarySurface;

    // Converts and shows the back surface unless nothing changed; records the frame's time.
    DisplayResult ShowFrame(const CMemoryBackSurface& back);

    CWebWindow& m_Window;
    BOOL m_bCreated = FALSE;
    CWebPrimarySurface* m_pPrimary = nullptr;
    CMemoryBackSurface* m_pBack = nullptr;
    std::vector<uint32_t> m_Palette; // RGBA bytes of every 5-6-5 pixel value
    std::vector<uint32_t> m_Rgba;    // the frame being put into the canvas
    std::vector<WORD> m_Shown;       // the frame on screen, to skip unchanged ones
    BOOL m_bNeedsRepaint = TRUE;
    double m_dFrameStart = 0; // when the back surface was last locked (ms)
    std::string m_strError;
};

} // namespace Platform
