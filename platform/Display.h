// Display.h: the display service the shell draws through.
//
// Contract: an exclusive display of 640x480 with 16-bit pixels; a primary surface (what the
// player sees) and an off-screen 640x480 back surface that can be locked for direct pixel
// writes (first pixel and pitch in bytes); a whole-frame copy from the back surface to the
// primary surface; the three colour masks of the screen's pixel format; a lost surface is
// reported by DISPLAY_SURFACELOST and brought back by Restore (its content is then undefined).
// Every call returns at once; nothing here waits for the vertical blank except Blt, which may
// (see GetRefreshPeriod). Start-up is split into the same steps as the shell's trace texts so
// that a backend can fail at each of them; GetErrorText gives the backend's own reason for the
// last failure (empty when it has none to add).
#pragma once

#include "platform/WinTypes.h"

namespace Platform
{

// Results of the surface calls.
enum DisplayResult : int
{
    DISPLAY_OK = 0,
    DISPLAY_SURFACELOST = 1, // the surface's memory was taken away; Restore it
    DISPLAY_FAILED = 2,      // any other failure
};

// Lock flags (the shell's first lock asks for all three, its retry only for LOCK_WAIT).
enum : DWORD
{
    LOCK_WAIT = 0x00000001,      // wait while the surface is busy instead of failing
    LOCK_WRITEONLY = 0x00000020, // the caller only writes
    LOCK_NOSYSLOCK = 0x00000800, // no system-wide lock is needed
};

// What the device can do, for the diagnostic trace only.
struct DisplayCaps
{
    BOOL bNoHardware;    // no hardware acceleration at all
    BOOL bColorFill;     // the device fills rectangles with a colour
    BOOL bHardwareBlit;  // copies are done by the device
    BOOL bVerticalBlank; // the device reports the vertical blank
    BOOL bPageFlip;      // surfaces can be flipped
    DWORD dwVideoMemoryTotal;
};

struct DisplayPixelFormat
{
    DWORD dwRGBBitCount;
    DWORD dwRedMask;
    DWORD dwGreenMask;
    DWORD dwBlueMask;
};

class IDisplaySurface
{
public:
    // Locks the whole surface; on DISPLAY_OK *ppPixels and *pnPitch describe its memory until
    // Unlock.
    virtual DisplayResult Lock(WORD** ppPixels, LONG* pnPitch, DWORD dwFlags) = 0;
    virtual DisplayResult Unlock() = 0;
    virtual DisplayResult Restore() = 0;
    // Copies rcSource of pSource into rcDest of this surface (the primary surface only).
    virtual DisplayResult Blt(const RECT& rcDest, IDisplaySurface* pSource, const RECT& rcSource) = 0;
    virtual BOOL GetPixelFormat(DisplayPixelFormat& format) = 0;
    // Gives the surface back; the pointer is invalid afterwards.
    virtual void Release() = 0;

protected:
    virtual ~IDisplaySurface() = default;
};

class IDisplay
{
public:
    virtual ~IDisplay() = default;

    // Start-up step 1: reach the display driver.
    virtual BOOL Create() = 0;
    // Start-up step 2: the device interface the game draws through.
    virtual BOOL OpenDevice() = 0;
    virtual BOOL GetCaps(DisplayCaps& caps) = 0;

    // Exclusive full-screen use of the display for hWnd (bExclusive), or normal sharing.
    virtual BOOL SetCooperativeLevel(HWND hWnd, BOOL bExclusive) = 0;
    virtual BOOL SetDisplayMode(DWORD dwWidth, DWORD dwHeight, DWORD dwBitsPerPixel) = 0;
    virtual BOOL RestoreDisplayMode() = 0;

    // Null on failure.
    virtual IDisplaySurface* CreatePrimarySurface() = 0;
    virtual IDisplaySurface* CreateBackSurface(DWORD dwWidth, DWORD dwHeight) = 0;
    // Keeps drawing on the primary surface inside hWnd's client area.
    virtual BOOL CreateClipper(HWND hWnd) = 0;

    // Gives the device back (surfaces should be released first); Create starts again.
    virtual void Release() = 0;

    // Milliseconds between two screen refreshes: the shell presents at most one frame per
    // period. 0 means the display sets no pace of its own.
    virtual DWORD GetRefreshPeriod() = 0;

    // The backend's own description of the last failure, or "" when it has nothing to add.
    virtual const char* GetErrorText() = 0;
};

} // namespace Platform
