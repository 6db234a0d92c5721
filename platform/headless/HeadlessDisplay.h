// HeadlessDisplay.h: the display service in memory.
//
// A primary and a back surface of 640x480 16-bit pixels (the back surface with a pitch wider
// than a row, as video memory often has), colour masks chosen by the caller, a refresh period
// for the shell's pacing, and failure injection: start-up fails at a chosen step, a surface
// is lost, a lock, restore or unlock fails. Counts every call the tests need to check.
#pragma once

#include "platform/Display.h"
#include "platform/PixelRgb.h" // PixelToRgb, for the users of the headless surfaces
#include "platform/ScreenFormat.h"

#include <string>
#include <vector>

namespace Platform
{

enum class HeadlessDisplayStep
{
    None,
    Create,
    OpenDevice,
    CooperativeLevel,
    DisplayMode,
    PrimarySurface,
    Clipper,
    BackSurface,
};

// What the display counts for one kind of surface (primary or back), over every surface of
// that kind it made. The display keeps the counts, so they can be read after the surfaces are
// gone.
struct HeadlessSurfaceCounts
{
    int nCreated = 0;
    int nReleased = 0;
    int nLocks = 0;
    int nBlts = 0;
    int nRestores = 0;
    DWORD dwLastLockFlags = 0;
};

class CHeadlessDisplay;

// A surface in memory. Release ends its life (as a real device's surface does): the display
// forgets it and any later use of the pointer is a use after free, which the sanitizers catch.
class CHeadlessSurface : public IDisplaySurface
{
public:
    DisplayResult Lock(WORD** ppPixels, LONG* pnPitch, DWORD dwFlags) override;
    DisplayResult Unlock() override;
    DisplayResult Restore() override;
    DisplayResult Blt(const RECT& rcDest, IDisplaySurface* pSource, const RECT& rcSource) override;
    BOOL GetPixelFormat(DisplayPixelFormat& format) override;
    void Release() override;

    // Injection: the next calls report a lost surface until Restore; lock/restore/unlock fail.
    void Lose() { m_bLost = TRUE; }
    void FailLocks(int nCount) { m_nFailingLocks = nCount; }
    void FailRestores(int nCount) { m_nFailingRestores = nCount; }
    void FailUnlocks(int nCount) { m_nFailingUnlocks = nCount; }

    // Inspection.
    const WORD* Pixels() const { return m_Pixels.data(); }
    WORD* Pixels() { return m_Pixels.data(); }
    LONG PitchPixels() const { return m_nPitchPixels; }
    DWORD Width() const { return m_dwWidth; }
    DWORD Height() const { return m_dwHeight; }
    BOOL IsLocked() const { return m_bLocked; }

private:
    friend class CHeadlessDisplay;
    CHeadlessSurface(CHeadlessDisplay& display, HeadlessSurfaceCounts& counts, DWORD dwWidth, DWORD dwHeight,
                     LONG nPitchPixels, const DisplayPixelFormat& format);
    ~CHeadlessSurface() override = default;

    CHeadlessDisplay& m_Display;
    HeadlessSurfaceCounts& m_Counts;
    DWORD m_dwWidth;
    DWORD m_dwHeight;
    LONG m_nPitchPixels;
    DisplayPixelFormat m_Format;
    std::vector<WORD> m_Pixels;
    BOOL m_bLost = FALSE;
    BOOL m_bLocked = FALSE;
    int m_nFailingLocks = 0;
    int m_nFailingRestores = 0;
    int m_nFailingUnlocks = 0;
};

class CHeadlessDisplay : public IDisplay
{
public:
    explicit CHeadlessDisplay(const DisplayPixelFormat& format = kFormat565, DWORD dwRefreshPeriod = 16);
    // Ends the latest surface of each kind if nobody gave it back, as a device that goes away
    // does.
    ~CHeadlessDisplay() override;
    CHeadlessDisplay(const CHeadlessDisplay&) = delete;
    CHeadlessDisplay& operator=(const CHeadlessDisplay&) = delete;

    void FailAt(HeadlessDisplayStep step) { m_FailStep = step; }
    // The backend's own reason given for the failure ("" gives none, as by default).
    void SetErrorText(const char* pszText) { m_strError = pszText; }
    // The layout of surfaces made from now on.
    void SetFormat(const DisplayPixelFormat& format) { m_Format = format; }

    // The latest surface of each kind while it lives; null before it is made and after its
    // Release.
    CHeadlessSurface* Primary() const { return m_pPrimary; }
    CHeadlessSurface* Back() const { return m_pBack; }
    const HeadlessSurfaceCounts& PrimaryCounts() const { return m_PrimaryCounts; }
    const HeadlessSurfaceCounts& BackCounts() const { return m_BackCounts; }
    BOOL IsExclusive() const { return m_bExclusive; }
    BOOL IsModeSet() const { return m_bModeSet; }
    BOOL IsReleased() const { return m_bReleased; }
    int RestoreModeCount() const { return m_nRestoreModeCount; }

    BOOL Create() override { return Step(HeadlessDisplayStep::Create); }
    BOOL OpenDevice() override { return Step(HeadlessDisplayStep::OpenDevice); }
    BOOL GetCaps(DisplayCaps& caps) override;
    BOOL SetCooperativeLevel(HWND hWnd, BOOL bExclusive) override;
    BOOL SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBitsPerPixel) override;
    BOOL RestoreDisplayMode() override;
    IDisplaySurface* CreatePrimarySurface() override;
    IDisplaySurface* CreateBackSurface(DWORD dwWidth, DWORD dwHeight) override;
    BOOL CreateClipper(HWND hWnd) override { return hWnd && Step(HeadlessDisplayStep::Clipper); }
    void Release() override { m_bReleased = TRUE; }
    DWORD GetRefreshPeriod() override { return m_dwRefreshPeriod; }
    const char* GetErrorText() override { return m_strError.c_str(); }

private:
    friend class CHeadlessSurface;
    BOOL Step(HeadlessDisplayStep step) const { return m_FailStep != step; }
    // A released surface is no longer the display's primary or back.
    void Forget(const CHeadlessSurface* pSurface);

    DisplayPixelFormat m_Format;
    DWORD m_dwRefreshPeriod;
    HeadlessDisplayStep m_FailStep = HeadlessDisplayStep::None;
    CHeadlessSurface* m_pPrimary = nullptr;
    CHeadlessSurface* m_pBack = nullptr;
    HeadlessSurfaceCounts m_PrimaryCounts;
    HeadlessSurfaceCounts m_BackCounts;
    BOOL m_bExclusive = FALSE;
    BOOL m_bModeSet = FALSE;
    BOOL m_bReleased = FALSE;
    int m_nRestoreModeCount = 0;
    std::string m_strError;
};

} // namespace Platform
