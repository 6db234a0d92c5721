// WebWindow.h: the window-and-messages service in a browser page.
//
// The window is the page's 640x480 canvas ("#canvas"), scaled by the page's style with its
// 4:3 aspect kept. DOM mouse and key events become Windows-style messages: positions are
// mapped from the element's CSS pixels into the 640x480 picture whatever its displayed size
// (points over the bars around the picture are dropped), keys become virtual-key codes. The
// DOM delivers events only while the game waits (every wait yields to the browser), so
// waiting for input is sleeping until a message has been posted.
//
// The page may start the game with the first scene's content only and fetch the rest while
// the title screen shows. Every later scene is entered by a click or a key, so until the page
// says the rest is in (velvina_web_content_arriving), presses, releases and keys are kept back
// in their order and handed to the game when it has arrived; moves go through, so the title
// screen still answers the mouse. Cursors are CSS cursors on
// the canvas, drawn by the page: the game's own arrow, the browser's arrow or wait cursor, or
// none.
#pragma once

#include "platform/QueuedWindow.h"

#include <emscripten/html5.h>

#include <vector>

namespace Platform
{

class CWebDisplay;

class CWebWindow : public CQueuedWindow
{
public:
    // The CSS selector of the canvas the game draws into and takes input from.
    static constexpr const char* kCanvas = "#canvas";

    CWebWindow() = default;
    ~CWebWindow() override;
    CWebWindow(const CWebWindow&) = delete;
    CWebWindow& operator=(const CWebWindow&) = delete;

    void AttachDisplay(CWebDisplay* pDisplay) { m_pDisplay = pDisplay; }

    BOOL PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    HCURSOR LoadCursor(int nCursorId) override;
    HCURSOR SetCursor(HCURSOR hCursor) override;
    HWND CreateWindow(const WindowDesc& desc) override;
    void ShowWindow(HWND hWnd, int nCmdShow) override;
    void UpdateWindow(HWND hWnd) override;
    int GetSystemMetrics(int nIndex) override;

    // The DOM's callbacks, public for the C callbacks that forward to them.
    void OnMouse(int nEventType, const EmscriptenMouseEvent& event);
    BOOL OnKey(const EmscriptenKeyboardEvent& event);

private:
    HWND Handle() const override { return m_hWindow; }
    // Hands over the input kept back, once the content has arrived.
    void CollectInput() override;
    BOOL AwaitInput() override;
    void AwaitInputFor(DWORD dwTimeout) override;
    void OnDestroyed() override;
    // Posts an input message, or keeps it back while the content is arriving.
    void Deliver(UINT nMessage, WPARAM wParam, LPARAM lParam);

    HWND m_hWindow = nullptr;
    CWebDisplay* m_pDisplay = nullptr;
    BOOL m_bListening = FALSE;
    unsigned m_nPosted = 0; // messages posted so far: a wait ends when it changes
    WPARAM m_wButtons = 0;  // MK_LBUTTON / MK_RBUTTON held, as the game last saw them
    HCURSOR m_hShownCursor = nullptr;
    std::vector<WindowMessage> m_Held; // input kept back while the content is arriving
};

} // namespace Platform
