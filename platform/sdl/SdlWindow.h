// SdlWindow.h: the window-and-messages service on SDL2, with the frontend's own keys.
//
// One window that fills the desktop, or a resizable window (Alt+Enter or F11 toggles; the
// first windowed size is the largest whole multiple of 640x480 that fits the desktop). SDL
// events become Windows-style messages: mouse positions are mapped into the 640x480 picture as
// the scaling mode places it (over the bars, moves go to the nearest edge pixel and presses and
// releases are dropped), keys become virtual-key codes, closing the window becomes WM_CLOSE.
// The frontend's keys never reach the game: F10 cycles the scaling mode, F12 saves a
// screenshot, M mutes, - and + (or the media keys) change the volume; each says what it did in
// the title bar for a few seconds. The window shows our own icon and arrow cursor;
// LoadCursor(IDC_WAIT) gives the system wait cursor.
#pragma once

#include "platform/Letterbox.h"
#include "platform/QueuedWindow.h"

#include <SDL.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class COutputVolume;

namespace Platform
{

class CSdlDisplay;

// Saves the frame the player sees (640x480 pixels, 5-6-5, row after row) and returns what the
// title bar should say: where it went, or why it could not be saved.
typedef std::function<std::string(const std::vector<WORD>& frame)> ScreenshotWriter;

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

    // The frontend's settings, given before the window is made.
    void SetStartFullscreen(BOOL bFullscreen) { m_bStartFullscreen = bFullscreen; }
    BOOL GetStartFullscreen() const { return m_bStartFullscreen; }
    void SetScaleMode(ScaleMode eMode);
    ScaleMode GetScaleMode() const { return m_eScaleMode; }
    // The volume the keys change (null: the sound keys do nothing); when bMuteUnfocused is
    // set, the sound is silent while the window has not got the focus.
    void AttachVolume(COutputVolume* pVolume, BOOL bMuteUnfocused);
    void SetScreenshotWriter(ScreenshotWriter writer) { m_ScreenshotWriter = std::move(writer); }
    // Shows "<title> - strStatus" in the title bar for a few seconds.
    void ShowStatus(const std::string& strStatus);

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
    // The frontend's own keys; FALSE for a key that goes to the game.
    BOOL HandleFrontendKey(const SDL_KeyboardEvent& key);
    // Gives the game the Shift or Ctrl press held back, if any.
    void FlushPendingModifier();
    void ToggleFullscreen();
    void ChangeVolume(int nSteps);
    void ToggleMute();
    void TakeScreenshot();
    // Where the window goes when it leaves full screen: the player's last size, or at first
    // the largest whole multiple of 640x480 that fits; centred on the desktop's usable area.
    SDL_Rect WindowedRect() const;
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

    BOOL m_bStartFullscreen = TRUE;
    ScaleMode m_eScaleMode = SCALE_FIT;
    COutputVolume* m_pVolume = nullptr;
    BOOL m_bMuteUnfocused = FALSE;
    ScreenshotWriter m_ScreenshotWriter;
    std::string m_strTitle;
    Uint32 m_dwStatusUntil = 0;         // SDL ticks when the title's status goes, 0: none shown
    WindowSize m_WindowedSize = {0, 0}; // the player's last window size (0: not yet chosen)
    BOOL m_bModifierPending = FALSE;    // a Shift or Ctrl press held back
    WindowMessage m_PendingModifier = {};
};

} // namespace Platform
