// SdlWindow.h: the window-and-messages service on SDL2.
//
// One borderless window that fills the desktop (Alt+Enter toggles a 640x480 window; the
// toggle never reaches the game). SDL events become Windows-style messages: mouse positions
// are mapped into the 640x480 picture (over the bars, moves go to the nearest edge pixel and
// presses and releases are dropped), keys become
// virtual-key codes, closing the window becomes WM_CLOSE. The window shows our own icon and
// arrow cursor; LoadCursor(IDC_WAIT) gives the system wait cursor.
#pragma once

#include "platform/QueuedWindow.h"

#include <SDL.h>

#include <map>

namespace Platform
{

class CSdlDisplay;

class CSdlWindow : public CQueuedWindow
{
public:
    CSdlWindow() = default;
    ~CSdlWindow() override;
    CSdlWindow(const CSdlWindow&) = delete;
    CSdlWindow& operator=(const CSdlWindow&) = delete;

    SDL_Window* GetSdlWindow() const { return m_pWindow; }
    // The display that draws into this window (told about exposure and device loss).
    void AttachDisplay(CSdlDisplay* pDisplay) { m_pDisplay = pDisplay; }
    BOOL IsFullscreen() const;
    void SetFullscreen(BOOL bFullscreen);

    HCURSOR LoadCursor(int nCursorId) override;
    HCURSOR SetCursor(HCURSOR hCursor) override;
    HWND CreateWindow(const WindowDesc& desc) override;
    void ShowWindow(HWND hWnd, int nCmdShow) override;
    void UpdateWindow(HWND hWnd) override;
    int GetSystemMetrics(int nIndex) override;

private:
    HWND Handle() const override { return reinterpret_cast<HWND>(m_pWindow); }
    // Input is SDL's event queue, translated into messages.
    void CollectInput() override;
    BOOL AwaitInput() override;
    void AwaitInputFor(DWORD dwTimeout) override;
    void OnDestroyed() override { SDL_HideWindow(m_pWindow); }
    // Tells the attached display, if any, to repaint the whole window.
    void InvalidateDisplay();
    void Translate(const SDL_Event& event);
    void TranslateMouse(UINT nMessage, int nX, int nY);
    void TranslateKey(const SDL_KeyboardEvent& key);
    void TranslateWindowEvent(const SDL_WindowEvent& window);
    WPARAM ModifierFlags() const;

    SDL_Window* m_pWindow = nullptr;
    CSdlDisplay* m_pDisplay = nullptr;
    BOOL m_bFullscreen = FALSE; // covering the display (by the window manager or by itself)
    BOOL m_bVideoStarted = FALSE;
    WPARAM m_wButtons = 0;    // MK_LBUTTON / MK_RBUTTON held, as the game last saw them
    int m_nClassCursorId = 0; // the cursor resource the window was made with
    SDL_Cursor* m_pClassCursor = nullptr;
    std::map<int, SDL_Cursor*> m_SystemCursors;
    HCURSOR m_hShownCursor = nullptr;
};

} // namespace Platform
