// DirectDrawDisplay.h: the display service over DirectDraw.
//
// DirectDrawCreate for the default driver and its IDirectDraw2 interface; exclusive
// full-screen cooperation and SetDisplayMode(640, 480, 16); the primary surface with a clipper
// bound to the window; an off-screen plain back surface (the driver chooses its memory);
// Lock, Unlock, Restore and Blt straight through, DDERR_SURFACELOST reported as a lost
// surface; the masks from the primary surface's pixel format; the refresh period from the
// monitor frequency. The last DirectDraw result of a failed call is kept for GetErrorText.
#pragma once

#include "platform/Display.h"

#include <string>

struct IDirectDraw;
struct IDirectDraw2;
struct IDirectDrawSurface;

namespace Platform
{

class CDirectDrawDisplay : public IDisplay
{
public:
    CDirectDrawDisplay();
    ~CDirectDrawDisplay() override;
    CDirectDrawDisplay(const CDirectDrawDisplay&) = delete;
    CDirectDrawDisplay& operator=(const CDirectDrawDisplay&) = delete;

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
    const char* GetErrorText() override;

private:
    // Keeps the text of a failed call; TRUE when hResult is a success.
    BOOL Check(long hResult, const char* pszCall);
    IDirectDrawSurface* CreateSurface(DWORD dwFlags, DWORD dwCaps, DWORD dwWidth, DWORD dwHeight,
                                      const char* pszCall);

    IDirectDraw* m_pDirectDraw;
    IDirectDraw2* m_pDirectDraw2;
    IDirectDrawSurface* m_pPrimary; // a reference of its own, for the clipper
    DWORD m_dwRefreshPeriod;
    std::string m_strError;
};

} // namespace Platform
