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

// On X11: keeps SDL from ending the program over a wake-up event that its second X connection
// sent to the game window just as the window was destroyed (a BadWindow error for SendEvent,
// harmless since nobody waits for that wake-up any more; it surfaces when SDL closes its
// connections). Every other X error still goes to the handler that was in place. Call before
// SDL's video starts, so that SDL keeps this handler as the one it puts back when it quits.
void IgnoreLateWakeupErrors();

// Asks the window manager to show, raise and focus the top-level window of process nProcessId
// (the one that names it in _NET_WM_PID) on the current X display. FALSE when there is no such
// window or no X display (other systems: always FALSE).
BOOL RaiseWindowOfProcess(long nProcessId);

} // namespace Platform
