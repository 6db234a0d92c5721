// SdlEnvironment.h: two facts about the machine the SDL backend adapts to: whether it has a
// graphics device for hardware rendering (the display starts fast without one), and whether a
// window manager runs (only then do windows get a frame to leave room for); and bringing
// another process's window forward, for a second start of the game.
#pragma once

#include "platform/WinTypes.h"

#include <SDL.h>

namespace Platform
{

// FALSE when the system certainly renders OpenGL in software (Linux without a DRM or NVIDIA
// device node); TRUE otherwise.
BOOL MachineHasGpu();

// FALSE only when the window is on an X server where no EWMH window manager runs.
BOOL WindowManagerRunning(SDL_Window* pWindow);

// Asks the window manager to show, raise and focus the top-level window of process nProcessId
// (the one that names it in _NET_WM_PID) on the current X display. FALSE when there is no such
// window or no X display (other systems: always FALSE).
BOOL RaiseWindowOfProcess(long nProcessId);

} // namespace Platform
