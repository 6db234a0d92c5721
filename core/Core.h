// Core.h: the application shell: start-up, display set-up, the fixed-step main loop, the frame
// update and the window procedure, written once over the platform services.
//
// The shell's state lives in the globals below, as the rest of the engine expects; it runs on
// the installed backend bundle (platform/Backend.h): its window, display, single-instance lock,
// clock and trace sink.
#pragma once

#include "platform/Display.h"
#include "platform/WinTypes.h"

namespace Core
{

// Names of the executable's resources and of the window.
constexpr const char* kAppName = "AppShell CORE";
constexpr const char* kWindowTitle = "VelvinaDemo";
constexpr const char* kBuildString = "11.9.98 8:14am (build 14)";
constexpr int kIconResource = 101;
constexpr int kCursorResource = 106;

// The whole program on the installed backend: returns the process exit code. A bundle without
// a window, display or single-instance service ends it at once with 0.
int AppMain(int nCmdShow);

// The window's outer size: the 640x480 client area plus a sizing frame on each side and a
// menu bar's height, in the window service's metrics.
POINT GameWindowSize();

// Display start-up: reaches the device and traces what it can do. On failure the reason is
// traced, the window destroyed and FALSE returned.
BOOL CreateDirectDraw(HWND hwnd);
// Exclusive 640x480x16 mode, the primary surface with its clipper, the back surface and the
// colour masks. On failure the reason is traced, the window destroyed and FALSE returned.
BOOL SetupDisplay(HWND hwnd);
// Gives the surfaces back and returns the display to normal use (if there is a device).
void ReleaseSurfaces(HWND hwnd);

// Draws the current scene into the locked back surface; FALSE after a traced failure.
BOOL UpdateFrame();
// Copies the back surface to the screen, recovering a lost primary surface.
void PresentFrame();

// Pumps messages, ticks and draws until WM_QUIT or an unhandled exception; returns the wParam
// of the last message taken.
int RunMainLoop(HWND hwnd);

LRESULT WindowProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

} // namespace Core

// Main loop: ticks of g_dwFramePeriod ms; frames at most once per display refresh, counted
// from g_dwLastFrameTime, when the last frame was begun (drawn or not).
extern DWORD g_dwFramePeriod;
extern DWORD g_dwLastTickTime;
extern DWORD g_dwLastFrameTime;

// Display.
extern Platform::IDisplay* g_pDirectDraw;
extern Platform::IDisplaySurface* g_pPrimarySurface;
extern Platform::IDisplaySurface* g_pBackSurface;
extern RECT g_rcSource;
extern RECT g_rcDest;
extern DWORD g_dwRedMask;
extern DWORD g_dwGreenMask;
extern DWORD g_dwBlueMask;
extern BOOL g_bPixelFormatKnown;

// Frame update.
extern BOOL g_bFullRedraw;
