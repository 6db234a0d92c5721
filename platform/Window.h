// Window.h: the window-and-messages service as the portable code sees it.
//
// Contract: one 640x480 window; a queue of messages with Windows codes and wParam/lParam
// packed as Windows packs them. The portable engine (director, scenes) only posts messages
// and switches the cursor through the free functions below; the shell drives the rest of the
// backend (message loop, dispatch, destroy) through IWindowBackend. Without an installed
// backend, posting fails (FALSE) and cursor calls do nothing.
#pragma once

#include "platform/WinTypes.h"

namespace Platform
{

class IWindowBackend
{
public:
    virtual ~IWindowBackend() = default;
    // Appends a message to the window's queue; FALSE when it cannot.
    virtual BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) = 0;
    // A system cursor by IDC_ identifier (IDC_ARROW, IDC_WAIT).
    virtual HCURSOR LoadCursor(int nCursorId) = 0;
    // Shows hCursor and returns the cursor shown before.
    virtual HCURSOR SetCursor(HCURSOR hCursor) = 0;
};

// Installs the backend used by the functions below (null removes it); returns the previous one.
IWindowBackend* SetWindowBackend(IWindowBackend* pBackend);
IWindowBackend* CurrentWindowBackend();

BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
HCURSOR LoadCursor(int nCursorId);
HCURSOR SetCursor(HCURSOR hCursor);

} // namespace Platform
