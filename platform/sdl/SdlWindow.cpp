// SdlWindow.cpp: the game window on SDL2, the translation of SDL events into the game's
// messages, the Alt+Enter toggle, and the icon and cursors.
#include "platform/sdl/SdlWindow.h"

#include "platform/Letterbox.h"
#include "platform/ScreenFormat.h"
#include "platform/sdl/SdlArt.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlEnvironment.h"

namespace Platform
{

namespace
{

// Windows virtual-key codes of the keys the game can be given (0: not forwarded).
DWORD VirtualKeyOf(SDL_Keycode nKey)
{
    if (nKey >= SDLK_a && nKey <= SDLK_z)
        return static_cast<DWORD>('A' + (nKey - SDLK_a));
    if (nKey >= SDLK_0 && nKey <= SDLK_9)
        return static_cast<DWORD>('0' + (nKey - SDLK_0));
    if (nKey >= SDLK_F1 && nKey <= SDLK_F12)
        return static_cast<DWORD>(0x70 + (nKey - SDLK_F1)); // VK_F1 onwards
    switch (nKey)
    {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    default:
        return 0;
    }
}

// A surface over the picture's pixels (they must outlive it); null when SDL cannot make one.
SDL_Surface* SurfaceOver(ArgbPicture& art)
{
    return SDL_CreateRGBSurfaceWithFormatFrom(art.Pixels.data(), art.nWidth, art.nHeight, 32, art.nWidth * 4,
                                              SDL_PIXELFORMAT_ARGB8888);
}

SDL_Cursor* MakeClassCursor()
{
    ArgbPicture art = DrawArrowCursor();
    SDL_Surface* pSurface = SurfaceOver(art);
    if (!pSurface)
        return nullptr;
    SDL_Cursor* pCursor = SDL_CreateColorCursor(pSurface, art.nHotX, art.nHotY);
    SDL_FreeSurface(pSurface);
    return pCursor;
}

void SetWindowIcon(SDL_Window* pWindow)
{
    ArgbPicture art = DrawAppIcon();
    SDL_Surface* pSurface = SurfaceOver(art);
    if (!pSurface)
        return;
    SDL_SetWindowIcon(pWindow, pSurface);
    SDL_FreeSurface(pSurface);
}

} // namespace

CSdlWindow::~CSdlWindow()
{
    for (auto& entry : m_SystemCursors)
        SDL_FreeCursor(entry.second);
    if (m_pClassCursor)
        SDL_FreeCursor(m_pClassCursor);
    if (m_pWindow)
        SDL_DestroyWindow(m_pWindow);
    if (m_bVideoStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

HWND CSdlWindow::CreateWindow(const WindowDesc& desc)
{
    // Clicks on a window that has not got the focus yet still count, and the full-screen
    // window stays up when the focus moves away.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (!SDL_WasInit(SDL_INIT_VIDEO))
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            return nullptr;
        m_bVideoStarted = TRUE;
    }
    m_pWindow = SDL_CreateWindow(desc.pszTitle, 0, 0, desc.nWidth > 0 ? desc.nWidth : kScreenWidth,
                                 desc.nHeight > 0 ? desc.nHeight : kScreenHeight,
                                 SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!m_pWindow)
        return nullptr;
    // Full-screen before it is first shown: switching a visible window waits for the window
    // manager.
    SetFullscreen(TRUE);
    SetWindowIcon(m_pWindow);
    // The executable's one cursor resource is our arrow.
    m_nClassCursorId = desc.nCursorId;
    if (m_nClassCursorId != 0)
        m_pClassCursor = MakeClassCursor();
    if (m_pClassCursor)
        SDL_SetCursor(m_pClassCursor);
    m_hShownCursor = reinterpret_cast<HCURSOR>(m_pClassCursor);
    OpenWindow(desc.pfnWindowProc);
    return Handle();
}

BOOL CSdlWindow::IsFullscreen() const
{
    return m_pWindow && m_bFullscreen;
}

void CSdlWindow::SetFullscreen(BOOL bFullscreen)
{
    if (!m_pWindow)
        return;
    if (bFullscreen)
    {
        // The window is first made to cover its display by itself, so that it fills the
        // screen also where no window manager carries out the full-screen request.
        SDL_Rect rcDisplay = {0, 0, 0, 0};
        const int nDisplay = SDL_GetWindowDisplayIndex(m_pWindow);
        if (nDisplay >= 0 && SDL_GetDisplayBounds(nDisplay, &rcDisplay) == 0)
        {
            SDL_SetWindowBordered(m_pWindow, SDL_FALSE);
            SDL_SetWindowPosition(m_pWindow, rcDisplay.x, rcDisplay.y);
            SDL_SetWindowSize(m_pWindow, rcDisplay.w, rcDisplay.h);
        }
        // Without a window manager the request would go unanswered (SDL waits for it), and
        // the window already covers the display.
        if (WindowManagerRunning(m_pWindow))
            SDL_SetWindowFullscreen(m_pWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
        m_bFullscreen = TRUE;
    }
    else
    {
        SDL_SetWindowFullscreen(m_pWindow, 0);
        m_bFullscreen = FALSE;
        SDL_SetWindowBordered(m_pWindow, SDL_TRUE);
        SDL_SetWindowSize(m_pWindow, kScreenWidth, kScreenHeight);
        SDL_SetWindowPosition(m_pWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    InvalidateDisplay();
}

void CSdlWindow::InvalidateDisplay()
{
    if (m_pDisplay)
        m_pDisplay->Invalidate();
}

HCURSOR CSdlWindow::LoadCursor(int nCursorId)
{
    if (nCursorId != 0 && nCursorId == m_nClassCursorId)
        return reinterpret_cast<HCURSOR>(m_pClassCursor);
    SDL_SystemCursor nSystem;
    if (nCursorId == IDC_WAIT)
        nSystem = SDL_SYSTEM_CURSOR_WAIT;
    else if (nCursorId == IDC_ARROW)
        nSystem = SDL_SYSTEM_CURSOR_ARROW;
    else
        return nullptr;
    SDL_Cursor*& pCursor = m_SystemCursors[nCursorId];
    if (!pCursor)
        pCursor = SDL_CreateSystemCursor(nSystem);
    return reinterpret_cast<HCURSOR>(pCursor);
}

HCURSOR CSdlWindow::SetCursor(HCURSOR hCursor)
{
    const HCURSOR hPrevious = m_hShownCursor;
    m_hShownCursor = hCursor;
    if (hCursor)
    {
        SDL_SetCursor(reinterpret_cast<SDL_Cursor*>(hCursor));
        SDL_ShowCursor(SDL_ENABLE);
    }
    else
        SDL_ShowCursor(SDL_DISABLE);
    return hPrevious;
}

void CSdlWindow::ShowWindow(HWND, int)
{
    if (m_pWindow)
        SDL_ShowWindow(m_pWindow);
}

void CSdlWindow::UpdateWindow(HWND)
{
    InvalidateDisplay();
}

int CSdlWindow::GetSystemMetrics(int)
{
    return 0; // borderless: no frame, no menu
}

WPARAM CSdlWindow::ModifierFlags() const
{
    const SDL_Keymod nMod = SDL_GetModState();
    WPARAM wFlags = 0;
    if (nMod & KMOD_SHIFT)
        wFlags |= MK_SHIFT;
    if (nMod & KMOD_CTRL)
        wFlags |= MK_CONTROL;
    return wFlags;
}

void CSdlWindow::TranslateMouse(UINT nMessage, int nX, int nY)
{
    int nWindowWidth = 0;
    int nWindowHeight = 0;
    int nDrawableWidth = 0;
    int nDrawableHeight = 0;
    SDL_GetWindowSize(m_pWindow, &nWindowWidth, &nWindowHeight);
    if (m_pDisplay)
        m_pDisplay->GetOutputSize(&nDrawableWidth, &nDrawableHeight);
    else
        SDL_GetWindowSize(m_pWindow, &nDrawableWidth, &nDrawableHeight);
    POINT point = {0, 0};
    const PointPlace ePlace = LocateWindowPoint(nWindowWidth, nWindowHeight, nDrawableWidth, nDrawableHeight,
                                                nX, nY, SCALE_FIT, &point);
    // Off the picture a move still goes through, at the nearest edge pixel, so that a scene sees
    // the pointer leave its hot spots; presses and releases there reach nothing.
    if (ePlace == POINT_NOWHERE || (ePlace == POINT_OFF_PICTURE && nMessage != WM_MOUSEMOVE))
        return;
    PostMessage(Handle(), nMessage, m_wButtons | ModifierFlags(), MAKELPARAM(point.x, point.y));
}

void CSdlWindow::TranslateKey(const SDL_KeyboardEvent& key)
{
    const SDL_Keycode nKey = key.keysym.sym;
    if (key.keysym.mod & KMOD_ALT)
    {
        // System keys: handled here and never given to the game.
        if (nKey == SDLK_RETURN || nKey == SDLK_KP_ENTER)
        {
            if (!key.repeat)
                SetFullscreen(!IsFullscreen());
            return;
        }
        if (nKey == SDLK_F4)
        {
            PostMessage(Handle(), WM_CLOSE, 0, 0);
            return;
        }
    }
    const DWORD dwVirtualKey = VirtualKeyOf(nKey);
    if (!dwVirtualKey)
        return;
    // Repeat count 1, scan code in bits 16-23, bit 30 set for an auto-repeat.
    const LPARAM lKeyData = static_cast<LPARAM>(
        1u | ((static_cast<DWORD>(key.keysym.scancode) & 0xFFu) << 16) | (key.repeat ? (1u << 30) : 0u));
    PostMessage(Handle(), WM_KEYDOWN, dwVirtualKey, lKeyData);
}

void CSdlWindow::TranslateWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event)
    {
    case SDL_WINDOWEVENT_CLOSE:
        PostMessage(Handle(), WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        InvalidateDisplay();
        break;
    default:
        break;
    }
}

void CSdlWindow::Translate(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_QUIT:
        PostMessage(Handle(), WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window);
        break;
    case SDL_MOUSEMOTION:
        TranslateMouse(WM_MOUSEMOVE, event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    {
        const BOOL bDown = event.type == SDL_MOUSEBUTTONDOWN;
        WPARAM wButton = 0;
        if (event.button.button == SDL_BUTTON_LEFT)
            wButton = MK_LBUTTON;
        else if (event.button.button == SDL_BUTTON_RIGHT)
            wButton = MK_RBUTTON;
        else
            break; // the middle button is not forwarded
        m_wButtons = bDown ? (m_wButtons | wButton) : (m_wButtons & ~wButton);
        const UINT nMessage = wButton == MK_LBUTTON ? (bDown ? WM_LBUTTONDOWN : WM_LBUTTONUP)
                                                    : (bDown ? WM_RBUTTONDOWN : WM_RBUTTONUP);
        TranslateMouse(nMessage, event.button.x, event.button.y);
        break;
    }
    case SDL_KEYDOWN:
        TranslateKey(event.key);
        break;
    case SDL_RENDER_DEVICE_RESET:
        if (m_pDisplay)
            m_pDisplay->OnDeviceReset();
        break;
    case SDL_RENDER_TARGETS_RESET:
        InvalidateDisplay();
        break;
    default:
        break;
    }
}

void CSdlWindow::CollectInput()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        Translate(event);
}

BOOL CSdlWindow::AwaitInput()
{
    SDL_Event event;
    if (!SDL_WaitEvent(&event))
        return FALSE;
    Translate(event);
    return TRUE;
}

void CSdlWindow::AwaitInputFor(DWORD dwTimeout)
{
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, static_cast<int>(dwTimeout)))
        Translate(event);
}

} // namespace Platform
