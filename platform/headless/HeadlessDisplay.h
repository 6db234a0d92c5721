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

#include <memory>
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

class CHeadlessSurface : public IDisplaySurface
{
public:
    CHeadlessSurface(DWORD dwWidth, DWORD dwHeight, LONG nPitchPixels, const DisplayPixelFormat& format);

    DisplayResult Lock(WORD** ppPixels, LONG* pnPitch, DWORD dwFlags) override;
    DisplayResult Unlock() override;
    DisplayResult Restore() override;
    DisplayResult Blt(const RECT& rcDest, IDisplaySurface* pSource, const RECT& rcSource) override;
    BOOL GetPixelFormat(DisplayPixelFormat& format) override;
    void Release() override { ++m_nReleaseCount; }

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
    int ReleaseCount() const { return m_nReleaseCount; }
    int LockCount() const { return m_nLockCount; }
    int BltCount() const { return m_nBltCount; }
    int RestoreCount() const { return m_nRestoreCount; }
    DWORD LastLockFlags() const { return m_dwLastLockFlags; }

private:
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
    int m_nReleaseCount = 0;
    int m_nLockCount = 0;
    int m_nBltCount = 0;
    int m_nRestoreCount = 0;
    DWORD m_dwLastLockFlags = 0;
};

class CHeadlessDisplay : public IDisplay
{
public:
    explicit CHeadlessDisplay(const DisplayPixelFormat& format = kFormat565, DWORD dwRefreshPeriod = 16);

    void FailAt(HeadlessDisplayStep step) { m_FailStep = step; }
    // The backend's own reason given for the failure ("" gives none, as by default).
    void SetErrorText(const char* pszText) { m_strError = pszText; }
    // The layout of surfaces made from now on.
    void SetFormat(const DisplayPixelFormat& format) { m_Format = format; }

    // Null before the surface exists.
    CHeadlessSurface* Primary() { return m_pPrimary.get(); }
    CHeadlessSurface* Back() { return m_pBack.get(); }
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
    BOOL Step(HeadlessDisplayStep step) const { return m_FailStep != step; }

    DisplayPixelFormat m_Format;
    DWORD m_dwRefreshPeriod;
    HeadlessDisplayStep m_FailStep = HeadlessDisplayStep::None;
    std::unique_ptr<CHeadlessSurface> m_pPrimary;
    std::unique_ptr<CHeadlessSurface> m_pBack;
    BOOL m_bExclusive = FALSE;
    BOOL m_bModeSet = FALSE;
    BOOL m_bReleased = FALSE;
    int m_nRestoreModeCount = 0;
    std::string m_strError;
};

} // namespace Platform
