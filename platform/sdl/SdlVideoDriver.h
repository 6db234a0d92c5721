// SdlVideoDriver.h: starting SDL's video only on a driver that shows a picture.
//
// Left to itself SDL falls back to a driver that draws nowhere (offscreen, dummy) when no
// display can be reached, and the game would then run unseen while holding its single-instance
// lock. StartVisibleVideo tries the drivers that show something, in SDL's order (or only the one
// SDL_VIDEODRIVER names), and refuses the invisible ones unless the caller allows them (tests
// that run without a screen do).
#pragma once

#include "platform/WinTypes.h"

#include <string>

namespace Platform
{

// TRUE for SDL video drivers that show nothing: offscreen, dummy, evdev.
BOOL IsInvisibleVideoDriver(const char* pszName);

// Starts SDL's video subsystem (on X11 with the filter of IgnoreLateWakeupErrors in place,
// SdlEnvironment.h); TRUE when a driver is running (stop it with
// SDL_QuitSubSystem(SDL_INIT_VIDEO) or SDL_Quit). Otherwise *pstrReason holds SDL's own reasons,
// one per driver tried, and nothing is left running.
BOOL StartVisibleVideo(BOOL bAllowInvisible, std::string* pstrReason);

} // namespace Platform
