// SdlEnvironment.h: two facts about the machine that decide how the SDL display starts fast:
// whether it has a graphics device for hardware rendering, and whether a window manager runs
// (without one, a full-screen request is never answered and SDL waits for it in vain); and
// bringing another process's window forward, for a second start of the game.
#pragma once

#include "platform/WinTypes.h"

#include <SDL.h>

namespace Platform
{

// FALSE when the system certainly renders OpenGL in software (Linux without a DRM or NVIDIA
// device node); TRUE otherwise.
BOOL MachineHasGpu();

// FALSE only when the window is on an X server where no window manager announces itself.
BOOL WindowManagerRunning(SDL_Window* pWindow);

// Asks the window manager to show, raise and focus the top-level window of process nProcessId
// (the one that names it in _NET_WM_PID) on the current X display. FALSE when there is no such
// window or no X display (other systems: always FALSE).
BOOL RaiseWindowOfProcess(long nProcessId);

} // namespace Platform
