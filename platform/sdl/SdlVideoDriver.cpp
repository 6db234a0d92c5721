// SdlVideoDriver.cpp: trying SDL's video drivers one by one through the driver hint.
#include "platform/sdl/SdlVideoDriver.h"

#include "platform/sdl/SdlEnvironment.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace Platform
{

namespace
{

// Starts video on the driver the hint names (SDL's own choice when pszDriver is null); on
// failure adds SDL's reason to *pstrReasons.
BOOL TryDriver(const char* pszDriver, std::string* pstrReasons)
{
    if (pszDriver)
        SDL_SetHint(SDL_HINT_VIDEODRIVER, pszDriver);
    const BOOL bStarted = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!bStarted)
        *pstrReasons += std::string(pstrReasons->empty() ? "" : "; ") + SDL_GetError();
    return bStarted;
}

BOOL Unset(const char* pszVariable)
{
    const char* pszValue = std::getenv(pszVariable);
    return !pszValue || !*pszValue;
}

} // namespace

BOOL IsInvisibleVideoDriver(const char* pszName)
{
    static const char* const apszInvisible[] = {"offscreen", "dummy", "evdev"};
    if (!pszName)
        return FALSE;
    for (const char* pszInvisible : apszInvisible)
        if (SDL_strcasecmp(pszName, pszInvisible) == 0)
            return TRUE;
    return FALSE;
}

BOOL StartVisibleVideo(BOOL bAllowInvisible, std::string* pstrReason)
{
    IgnoreLateWakeupErrors();
    std::string strReasons;
    const char* pszRequested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (pszRequested && *pszRequested)
    {
        // The user named the driver: that one or none.
        if (!TryDriver(nullptr, &strReasons))
        {
            *pstrReason = strReasons;
            return FALSE;
        }
        if (bAllowInvisible || !IsInvisibleVideoDriver(SDL_GetCurrentVideoDriver()))
            return TRUE;
        *pstrReason =
            std::string("the \"") + SDL_GetCurrentVideoDriver() +
            "\" video driver shows nothing (set VELVINA_ALLOW_INVISIBLE=1 to run without a picture)";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return FALSE;
    }
    if (bAllowInvisible)
    {
        if (TryDriver(nullptr, &strReasons))
            return TRUE;
        *pstrReason = strReasons;
        return FALSE;
    }
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i)
    {
        const char* pszDriver = SDL_GetVideoDriver(i);
        if (IsInvisibleVideoDriver(pszDriver))
            continue;
        // Without a runtime folder the Wayland library cannot reach a compositor (unless named
        // by an absolute path) and only prints its own complaint.
        const char* pszWayland = std::getenv("WAYLAND_DISPLAY");
        if (SDL_strcasecmp(pszDriver, "wayland") == 0 && Unset("XDG_RUNTIME_DIR") &&
            !(pszWayland && pszWayland[0] == '/'))
        {
            strReasons += std::string(strReasons.empty() ? "" : "; ") + "wayland not available";
            continue;
        }
        if (TryDriver(pszDriver, &strReasons))
        {
            SDL_SetHint(SDL_HINT_VIDEODRIVER, nullptr);
            return TRUE;
        }
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, nullptr);
    if (strReasons.empty())
        strReasons = "SDL has no video driver that shows a picture";
    if (Unset("DISPLAY") && Unset("WAYLAND_DISPLAY"))
        strReasons += " (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    *pstrReason = strReasons;
    return FALSE;
}

} // namespace Platform
