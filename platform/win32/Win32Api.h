// Win32Api.h: the Windows backend's one way to the system headers (<windows.h>, the multimedia
// timer, DirectDraw and DirectSound). Every file of platform/win32/ includes this instead of
// any system header of its own, so the clashes below are settled once, whatever was included
// before.
//
// - <windows.h> maps CreateWindow, PostMessage, GetMessage, PeekMessage, DispatchMessage,
//   DefWindowProc and LoadCursor (and <mmsystem.h> PlaySound) to their ...A or ...W forms with
//   macros. The platform interfaces have members of those names, so the macros are removed
//   here and the backend calls the ...A functions by their own names.
// - <winuser.h> makes IDC_ARROW and IDC_WAIT resource-name pointers; the platform's
//   LoadCursor takes the numbers, as WinTypes.h defines them.
#pragma once

#include "platform/WinTypes.h"

#undef IDC_ARROW
#undef IDC_WAIT

#include <windows.h>

// The multimedia header needs <windows.h> before it, and DirectSound's needs both.
#include <mmsystem.h>

#include <ddraw.h>
#include <dsound.h>

#undef IDC_ARROW
#undef IDC_WAIT
#define IDC_ARROW 32512
#define IDC_WAIT 32514

#undef CreateWindow
#undef PostMessage
#undef GetMessage
#undef PeekMessage
#undef DispatchMessage
#undef DefWindowProc
#undef LoadCursor
#undef PlaySound
