// DisplaySetup.cpp: reaching the display device, the exclusive 640x480x16 mode, the primary
// and back surfaces, the colour masks, and the shared failure sequence.
#include "core/Core.h"
#include "core/CoreSound.h"
#include "platform/Backend.h"
#include "platform/ScreenFormat.h"
#include "trace/DebugTrace.h"

Platform::IDisplay* g_pDirectDraw = nullptr;
Platform::IDisplaySurface* g_pPrimarySurface = nullptr;
Platform::IDisplaySurface* g_pBackSurface = nullptr;
RECT g_rcSource = {0, 0, 0, 0};
RECT g_rcDest = {0, 0, 0, 0};
DWORD g_dwRedMask = 0;
DWORD g_dwGreenMask = 0;
DWORD g_dwBlueMask = 0;
BOOL g_bPixelFormatKnown = FALSE;

namespace
{

const char* TrueFalse(BOOL bValue)
{
    return bValue ? "TRUE" : "FALSE";
}

// Traces the reason, then gives back sound, surfaces and window. Always FALSE.
BOOL FailDisplay(HWND hwnd, const char* pszMessage)
{
    DebugTrace("%s", pszMessage);
    const char* pszDetail = Platform::CurrentBackend().pDisplay->GetErrorText();
    if (pszDetail && *pszDetail)
        DebugTrace("%s", pszDetail);
    Core::DestroySoundEngineIfAny();
    Core::ReleaseSurfaces(hwnd);
    Platform::CurrentBackend().pWindow->DestroyWindow(hwnd);
    return FALSE;
}

void TraceCaps(const Platform::DisplayCaps& caps)
{
    if (caps.bNoHardware)
        DebugTrace("No hardware support at all");
    if (caps.bColorFill)
        DebugTrace("Device supports color fill");
    DebugTrace("Total free video memory: %ld", static_cast<long>(caps.dwVideoMemoryTotal));
    DebugTrace("Video hardware support: %s", TrueFalse(!caps.bNoHardware));
    DebugTrace("Hardware blitter: %s", TrueFalse(caps.bHardwareBlit));
    DebugTrace("VBlank: %s", TrueFalse(caps.bVerticalBlank));
    DebugTrace("Hardware Page Flip: %s", TrueFalse(caps.bPageFlip));
}

// Reads the primary surface's pixel format once and keeps its masks for the scenes.
void ReadPixelFormat()
{
    Platform::DisplayPixelFormat format = {};
    g_pPrimarySurface->GetPixelFormat(format);
    if (format.dwRedMask == Platform::kFormat555.dwRedMask)
        DebugTrace("Video Mode supports 555 Pixel Format");
    else if (format.dwRedMask == Platform::kFormat565.dwRedMask)
        DebugTrace("Video Mode supports 565 Pixel Format");
    else
        DebugTrace("Video Mode supports unknown Pixel Format");
    DebugTrace("dwRGBBitCount: %d", static_cast<int>(format.dwRGBBitCount));
    DebugTrace("dwRBitMask: %.4x", static_cast<unsigned>(format.dwRedMask));
    DebugTrace("dwGBitMask: %.4x", static_cast<unsigned>(format.dwGreenMask));
    DebugTrace("dwBBitMask: %.4x", static_cast<unsigned>(format.dwBlueMask));
    g_dwRedMask = format.dwRedMask;
    g_dwGreenMask = format.dwGreenMask;
    g_dwBlueMask = format.dwBlueMask;
    DebugTrace("\r\r");
    g_bPixelFormatKnown = TRUE;
}

} // namespace

namespace Core
{

BOOL CreateDirectDraw(HWND hwnd)
{
    Platform::IDisplay* pDisplay = Platform::CurrentBackend().pDisplay;
    if (!pDisplay->Create())
        return FailDisplay(hwnd, "Error: DirectDrawCreate FAILED");
    if (!pDisplay->OpenDevice())
        return FailDisplay(hwnd, "Error: QueryInterface FAILED");
    g_pDirectDraw = pDisplay;

    Platform::DisplayCaps caps = {};
    g_pDirectDraw->GetCaps(caps);
    TraceCaps(caps);
    return TRUE;
}

BOOL SetupDisplay(HWND hwnd)
{
    if (!g_pDirectDraw->SetCooperativeLevel(hwnd, TRUE))
        return FailDisplay(hwnd, "Error, SetCooperativeLevel FAILED");
    if (!g_pDirectDraw->SetDisplayMode(Platform::kScreenWidth, Platform::kScreenHeight,
                                       Platform::kScreenBitsPerPixel))
        return FailDisplay(hwnd, "Error, SetDisplayMode FAILED");

    g_rcSource = {0, 0, Platform::kScreenWidth, Platform::kScreenHeight};
    g_rcDest = g_rcSource;

    g_pPrimarySurface = g_pDirectDraw->CreatePrimarySurface();
    if (!g_pPrimarySurface)
        return FailDisplay(hwnd, "Error: CreateSurface FAILED");
    if (!g_pDirectDraw->CreateClipper(hwnd))
        return FailDisplay(hwnd, "Error: CreateClipper FAILED");
    g_pBackSurface = g_pDirectDraw->CreateBackSurface(Platform::kScreenWidth, Platform::kScreenHeight);
    if (!g_pBackSurface)
        return FailDisplay(hwnd, "Error, CreateSurface2 FAILED");

    if (!g_bPixelFormatKnown)
        ReadPixelFormat();
    return TRUE;
}

void ReleaseSurfaces(HWND hwnd)
{
    if (!g_pDirectDraw)
        return;
    g_pDirectDraw->SetCooperativeLevel(hwnd, FALSE);
    if (g_pBackSurface)
    {
        g_pBackSurface->Release();
        g_pBackSurface = nullptr;
    }
    if (g_pPrimarySurface)
    {
        g_pPrimarySurface->Release();
        g_pPrimarySurface = nullptr;
    }
}

} // namespace Core
