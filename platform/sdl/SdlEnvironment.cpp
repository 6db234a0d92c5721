// SdlEnvironment.cpp: device-node check for a GPU, the EWMH check for a window manager, and
// raising another process's window through EWMH.
#include "platform/sdl/SdlEnvironment.h"

#include <SDL_syswm.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef VELVINA_HAVE_X11
#include <X11/Xatom.h>
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

#ifdef VELVINA_HAVE_X11
namespace
{

// The CARDINAL or WINDOW values of a property, empty when it is missing.
std::vector<unsigned long> ReadLongs(Display* pDisplay, Window window, const char* pszProperty, Atom type)
{
    std::vector<unsigned long> values;
    Atom actualType = None;
    int nFormat = 0;
    unsigned long nItems = 0;
    unsigned long nAfter = 0;
    unsigned char* pData = nullptr;
    const Atom property = XInternAtom(pDisplay, pszProperty, False);
    if (XGetWindowProperty(pDisplay, window, property, 0, 4096, False, type, &actualType, &nFormat, &nItems,
                           &nAfter, &pData) == Success &&
        pData && actualType == type && nFormat == 32)
    {
        const unsigned long* pLongs = reinterpret_cast<const unsigned long*>(pData);
        values.assign(pLongs, pLongs + nItems);
    }
    if (pData)
        XFree(pData);
    return values;
}

// The managed top-level windows (_NET_CLIENT_LIST), or the root's children without a window
// manager.
std::vector<Window> TopLevelWindows(Display* pDisplay, Window root)
{
    std::vector<Window> windows;
    for (unsigned long nWindow : ReadLongs(pDisplay, root, "_NET_CLIENT_LIST", XA_WINDOW))
        windows.push_back(static_cast<Window>(nWindow));
    if (!windows.empty())
        return windows;
    Window rootReturn = None;
    Window parent = None;
    Window* pChildren = nullptr;
    unsigned int nChildren = 0;
    if (XQueryTree(pDisplay, root, &rootReturn, &parent, &pChildren, &nChildren) && pChildren)
    {
        windows.assign(pChildren, pChildren + nChildren);
        XFree(pChildren);
    }
    return windows;
}

} // namespace
#endif

BOOL WindowManagerRunning(SDL_Window* pWindow)
{
#ifdef VELVINA_HAVE_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!pWindow || !SDL_GetWindowWMInfo(pWindow, &info) || info.subsystem != SDL_SYSWM_X11)
        return TRUE;
    // An EWMH window manager names its check window on the root while it runs (the atom alone
    // proves nothing: SDL itself creates it).
    Display* pDisplay = info.info.x11.display;
    return ReadLongs(pDisplay, DefaultRootWindow(pDisplay), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty()
               ? FALSE
               : TRUE;
#else
    (void)pWindow;
    return TRUE;
#endif
}

#ifdef VELVINA_HAVE_X11
namespace
{

XErrorHandler g_pfnPreviousErrorHandler = nullptr;
// The SendEvent request's number in the X protocol (X_SendEvent; its header clashes with BOOL).
constexpr unsigned char kSendEventRequest = 25;

int FilterLateWakeups(Display* pDisplay, XErrorEvent* pError)
{
    if (pError->error_code == BadWindow && pError->request_code == kSendEventRequest)
        return 0;
    return g_pfnPreviousErrorHandler ? g_pfnPreviousErrorHandler(pDisplay, pError) : 0;
}

} // namespace
#endif

void IgnoreLateWakeupErrors()
{
#ifdef VELVINA_HAVE_X11
    if (g_pfnPreviousErrorHandler)
        return;
    g_pfnPreviousErrorHandler = XSetErrorHandler(&FilterLateWakeups);
#endif
}

BOOL RaiseWindowOfProcess(long nProcessId)
{
#ifdef VELVINA_HAVE_X11
    if (nProcessId <= 0)
        return FALSE;
    Display* pDisplay = XOpenDisplay(nullptr);
    if (!pDisplay)
        return FALSE;
    const Window root = DefaultRootWindow(pDisplay);
    BOOL bRaised = FALSE;
    for (Window window : TopLevelWindows(pDisplay, root))
    {
        const std::vector<unsigned long> pid = ReadLongs(pDisplay, window, "_NET_WM_PID", XA_CARDINAL);
        if (pid.size() != 1 || static_cast<long>(pid[0]) != nProcessId)
            continue;
        // Un-minimise and raise it ourselves, then ask the window manager for the focus as a
        // pager would (source 2), which window managers honour without focus-stealing checks.
        XMapRaised(pDisplay, window);
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(pDisplay, "_NET_ACTIVE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(pDisplay, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        bRaised = TRUE;
    }
    XCloseDisplay(pDisplay);
    return bRaised;
#else
    (void)nProcessId;
    return FALSE;
#endif
}

} // namespace Platform
