// SdlEnvironment.cpp: device-node check for a GPU and the EWMH check for a window manager.
#include "platform/sdl/SdlEnvironment.h"

#include <SDL_syswm.h>

#include <filesystem>
#include <string>

#ifdef VELVINA_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace Platform
{

BOOL MachineHasGpu()
{
#ifdef __linux__
    std::error_code error;
    if (std::filesystem::exists("/dev/nvidia0", error))
        return TRUE;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
    {
        const std::string strName = entry.path().filename().string();
        if (strName.rfind("renderD", 0) == 0 || strName.rfind("card", 0) == 0)
            return TRUE;
    }
    return FALSE;
#else
    return TRUE;
#endif
}

BOOL WindowManagerRunning(SDL_Window* pWindow)
{
#ifdef VELVINA_HAVE_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!pWindow || !SDL_GetWindowWMInfo(pWindow, &info) || info.subsystem != SDL_SYSWM_X11)
        return TRUE;
    // An EWMH window manager creates this atom when it starts; it never exists without one.
    return XInternAtom(info.info.x11.display, "_NET_SUPPORTING_WM_CHECK", True) != None;
#else
    (void)pWindow;
    return TRUE;
#endif
}

} // namespace Platform
