// WebWindow.cpp: the canvas as the game window: DOM events into messages, waits that yield to
// the browser, and CSS cursors.
#include "platform/web/WebWindow.h"

#include "platform/Letterbox.h"
#include "platform/web/WebDisplay.h"

#include <emscripten.h>

#include <atomic>
#include <cmath>

namespace Platform
{

namespace
{

constexpr int kClassCursorResource = 106;
// The cursor handles: the resource and system identifiers themselves.
const HCURSOR kClassCursor = reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(kClassCursorResource));
const HCURSOR kArrowCursor = reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(IDC_ARROW));
const HCURSOR kWaitCursor = reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(IDC_WAIT));
// How long an idle wait for input sleeps before it looks at the queue again.
constexpr DWORD kInputPollMs = 16;

// Set by the page while the rest of the content is on its way.
std::atomic<bool> g_bContentArriving{false};

// Shows a cursor over the canvas: its data-cursor attribute names it ("arrow": the game's own,
// "system", "wait" or "none"), and the page's style sheet draws it.
EM_JS(void, velvina_show_cursor, (const char* pszCanvas, const char* pszCursor), {
    var canvas = document.querySelector(UTF8ToString(pszCanvas));
    if (canvas)
        canvas.dataset.cursor = UTF8ToString(pszCursor);
});

// Windows virtual-key codes of the keys the game can be given (0: not forwarded). The DOM's
// legacy key codes are the Windows ones for every key listed here.
DWORD VirtualKeyOf(unsigned long nKeyCode)
{
    const bool bLetter = nKeyCode >= 'A' && nKeyCode <= 'Z';
    const bool bDigit = nKeyCode >= '0' && nKeyCode <= '9';
    const bool bFunction = nKeyCode >= 0x70 && nKeyCode <= 0x7B; // F1 to F12
    if (bLetter || bDigit || bFunction)
        return static_cast<DWORD>(nKeyCode);
    switch (nKeyCode)
    {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_BACK:
    case VK_TAB:
    case VK_SPACE:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_SHIFT:
    case VK_CONTROL:
        return static_cast<DWORD>(nKeyCode);
    default:
        return 0;
    }
}

EM_BOOL OnMouseEvent(int nEventType, const EmscriptenMouseEvent* pEvent, void* pUserData)
{
    static_cast<CWebWindow*>(pUserData)->OnMouse(nEventType, *pEvent);
    return nEventType == EMSCRIPTEN_EVENT_MOUSEMOVE ? EM_FALSE : EM_TRUE;
}

EM_BOOL OnKeyEvent(int, const EmscriptenKeyboardEvent* pEvent, void* pUserData)
{
    return static_cast<CWebWindow*>(pUserData)->OnKey(*pEvent);
}

} // namespace

CWebWindow::~CWebWindow()
{
    if (!m_bListening)
        return;
    emscripten_set_mousemove_callback(kCanvas, nullptr, EM_FALSE, nullptr);
    emscripten_set_mousedown_callback(kCanvas, nullptr, EM_FALSE, nullptr);
    emscripten_set_mouseup_callback(kCanvas, nullptr, EM_FALSE, nullptr);
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, nullptr);
}

HWND CWebWindow::CreateWindow(const WindowDesc& desc)
{
    if (!EM_ASM_INT({ return document.querySelector(UTF8ToString($0)) ? 1 : 0; }, kCanvas))
        return nullptr;
    m_hWindow = reinterpret_cast<HWND>(this);
    emscripten_set_mousemove_callback(kCanvas, this, EM_FALSE, &OnMouseEvent);
    emscripten_set_mousedown_callback(kCanvas, this, EM_FALSE, &OnMouseEvent);
    emscripten_set_mouseup_callback(kCanvas, this, EM_FALSE, &OnMouseEvent);
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, &OnKeyEvent);
    m_bListening = TRUE;
    SetCursor(desc.nCursorId == kClassCursorResource ? kClassCursor : kArrowCursor);
    OpenWindow(desc.pfnWindowProc);
    return m_hWindow;
}

BOOL CWebWindow::PostMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    ++m_nPosted;
    return CQueuedWindow::PostMessage(hWnd, nMessage, wParam, lParam);
}

HCURSOR CWebWindow::LoadCursor(int nCursorId)
{
    if (nCursorId == kClassCursorResource)
        return kClassCursor;
    if (nCursorId == IDC_ARROW)
        return kArrowCursor;
    if (nCursorId == IDC_WAIT)
        return kWaitCursor;
    return nullptr;
}

HCURSOR CWebWindow::SetCursor(HCURSOR hCursor)
{
    const HCURSOR hPrevious = m_hShownCursor;
    m_hShownCursor = hCursor;
    const char* pszCursor = "none";
    if (hCursor == kClassCursor)
        pszCursor = "arrow";
    else if (hCursor == kArrowCursor)
        pszCursor = "system";
    else if (hCursor == kWaitCursor)
        pszCursor = "wait";
    velvina_show_cursor(kCanvas, pszCursor);
    return hPrevious;
}

void CWebWindow::ShowWindow(HWND, int) {}

void CWebWindow::UpdateWindow(HWND)
{
    if (m_pDisplay)
        m_pDisplay->Invalidate();
}

int CWebWindow::GetSystemMetrics(int)
{
    return 0; // the canvas has no frame and no menu
}

void CWebWindow::OnMouse(int nEventType, const EmscriptenMouseEvent& event)
{
    WPARAM wButton = 0;
    if (nEventType != EMSCRIPTEN_EVENT_MOUSEMOVE)
    {
        if (event.button == 0)
            wButton = MK_LBUTTON;
        else if (event.button == 2)
            wButton = MK_RBUTTON;
        else
            return; // the middle button is not forwarded
    }
    const BOOL bDown = nEventType == EMSCRIPTEN_EVENT_MOUSEDOWN;
    if (wButton)
        m_wButtons = bDown ? (m_wButtons | wButton) : (m_wButtons & ~wButton);

    // The canvas's displayed size in CSS pixels; its picture is letterboxed inside it.
    double dWidth = 0;
    double dHeight = 0;
    if (emscripten_get_element_css_size(kCanvas, &dWidth, &dHeight) != EMSCRIPTEN_RESULT_SUCCESS)
        return;
    const int nWidth = static_cast<int>(std::lround(dWidth));
    const int nHeight = static_cast<int>(std::lround(dHeight));
    POINT point = {0, 0};
    if (!MapWindowPointToPicture(nWidth, nHeight, nWidth, nHeight, static_cast<int>(event.targetX),
                                 static_cast<int>(event.targetY), &point))
        return; // over the bars: nothing is hit

    UINT nMessage = WM_MOUSEMOVE;
    if (wButton == MK_LBUTTON)
        nMessage = bDown ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    else if (wButton == MK_RBUTTON)
        nMessage = bDown ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    WPARAM wFlags = m_wButtons;
    if (event.shiftKey)
        wFlags |= MK_SHIFT;
    if (event.ctrlKey)
        wFlags |= MK_CONTROL;
    if (nMessage == WM_MOUSEMOVE)
        PostMessage(m_hWindow, nMessage, wFlags, MAKELPARAM(point.x, point.y));
    else
        Deliver(nMessage, wFlags, MAKELPARAM(point.x, point.y));
}

BOOL CWebWindow::OnKey(const EmscriptenKeyboardEvent& event)
{
    if (event.altKey || event.metaKey)
        return EM_FALSE; // the browser's own shortcuts
    const DWORD dwVirtualKey = VirtualKeyOf(event.keyCode);
    if (!dwVirtualKey)
        return EM_FALSE;
    // Repeat count 1, bit 30 set for an auto-repeat (the DOM gives no scan code).
    const LPARAM lKeyData = static_cast<LPARAM>(1u | (event.repeat ? (1u << 30) : 0u));
    Deliver(WM_KEYDOWN, dwVirtualKey, lKeyData);
    // Keys that would scroll the page or move the focus away do only the game's work; the
    // others (letters, function keys) keep their browser meaning too.
    switch (dwVirtualKey)
    {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_SPACE:
    case VK_BACK:
    case VK_TAB:
        return EM_TRUE;
    default:
        return EM_FALSE;
    }
}

void CWebWindow::Deliver(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (g_bContentArriving.load() || !m_Held.empty())
        m_Held.push_back(WindowMessage{m_hWindow, nMessage, wParam, lParam});
    else
        PostMessage(m_hWindow, nMessage, wParam, lParam);
}

void CWebWindow::CollectInput()
{
    if (m_Held.empty() || g_bContentArriving.load())
        return;
    for (const WindowMessage& msg : m_Held)
        PostMessage(msg.hWnd, msg.nMessage, msg.wParam, msg.lParam);
    m_Held.clear();
}

BOOL CWebWindow::AwaitInput()
{
    const unsigned nPosted = m_nPosted;
    for (;;)
    {
        CollectInput();
        if (m_nPosted != nPosted)
            return TRUE;
        emscripten_sleep(kInputPollMs);
    }
}

void CWebWindow::AwaitInputFor(DWORD dwTimeout)
{
    // One sleep: the browser runs its event handlers meanwhile, and whatever they post is
    // seen when the shell looks at the queue again.
    emscripten_sleep(dwTimeout);
}

void CWebWindow::OnDestroyed()
{
    velvina_show_cursor(kCanvas, "system");
}

} // namespace Platform

// The page tells when the rest of the content starts and ends arriving (also when it could
// not be had: the game then gets its input and meets the missing files as it would anywhere).
extern "C" EMSCRIPTEN_KEEPALIVE void velvina_web_content_arriving(int bArriving)
{
    Platform::g_bContentArriving.store(bArriving != 0);
}
