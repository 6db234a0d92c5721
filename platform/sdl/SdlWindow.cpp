// SdlWindow.cpp: the game window on SDL2, the translation of SDL events into the game's
// messages, the frontend's keys (full screen, scaling, volume, screenshot), the title's status
// line, and the icon and cursors.
#include "platform/sdl/SdlWindow.h"

#include "platform/Letterbox.h"
#include "platform/ScreenFormat.h"
#include "platform/mixer/OutputVolume.h"
#include "platform/sdl/SdlArt.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlEnvironment.h"

#include <algorithm>

namespace Platform
{

namespace
{

// How long a status stays in the title bar.
constexpr Uint32 kStatusMs = 3000;
// The window's frame (both sides added up) while the window manager has not said how large it
// is: room for a title bar and thin borders.
constexpr int kFrameAllowanceWidth = 16;
constexpr int kFrameAllowanceHeight = 40;
// The smallest window the player can shrink the game to.
constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 240;

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
    m_strTitle = desc.pszTitle ? desc.pszTitle : "";
    m_pWindow = SDL_CreateWindow(m_strTitle.c_str(), 0, 0, desc.nWidth > 0 ? desc.nWidth : kScreenWidth,
                                 desc.nHeight > 0 ? desc.nHeight : kScreenHeight,
                                 SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALLOW_HIGHDPI |
                                     SDL_WINDOW_RESIZABLE);
    if (!m_pWindow)
        return nullptr;
    SDL_SetWindowMinimumSize(m_pWindow, kMinimumWidth, kMinimumHeight);
    // Full screen or windowed before it is first shown: switching a visible window waits for
    // the window manager.
    SetFullscreen(m_bStartFullscreen);
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
        // SDL is told as well, also without a window manager: with its full-screen state left
        // unset there, SDL's X11 code now and then sent a wake-up event to the window after it
        // was destroyed, and the X error ended the program at exit.
        SDL_SetWindowFullscreen(m_pWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
        m_bFullscreen = TRUE;
    }
    else
    {
        SDL_SetWindowFullscreen(m_pWindow, 0);
        m_bFullscreen = FALSE;
        SDL_SetWindowBordered(m_pWindow, SDL_TRUE);
        const SDL_Rect rcWindow = WindowedRect();
        SDL_SetWindowSize(m_pWindow, rcWindow.w, rcWindow.h);
        SDL_SetWindowPosition(m_pWindow, rcWindow.x, rcWindow.y);
    }
    InvalidateDisplay();
}

SDL_Rect CSdlWindow::WindowedRect() const
{
    SDL_Rect rcUsable = {0, 0, kScreenWidth, kScreenHeight};
    const int nDisplay = SDL_GetWindowDisplayIndex(m_pWindow);
    if (nDisplay < 0 || SDL_GetDisplayUsableBounds(nDisplay, &rcUsable) != 0)
        rcUsable = {0, 0, kScreenWidth, kScreenHeight};
    int nTop = 0;
    int nLeft = 0;
    int nBottom = 0;
    int nRight = 0;
    // Without a window manager there is no frame; with one whose frame is not known yet, room
    // is left for a title bar and thin borders.
    if (WindowManagerRunning(m_pWindow) &&
        (SDL_GetWindowBordersSize(m_pWindow, &nTop, &nLeft, &nBottom, &nRight) != 0 || nTop + nBottom <= 0))
    {
        nLeft = nRight = kFrameAllowanceWidth / 2;
        nTop = kFrameAllowanceHeight - kFrameAllowanceWidth / 2;
        nBottom = kFrameAllowanceWidth / 2;
    }
    const WindowSize size = m_WindowedSize.nWidth > 0
                                ? m_WindowedSize
                                : ChooseWindowSize(rcUsable.w, rcUsable.h, nLeft + nRight, nTop + nBottom);
    // Centred in the usable area together with its frame, so that the frame stays on the screen.
    const int nX = rcUsable.x + (rcUsable.w - (size.nWidth + nLeft + nRight)) / 2 + nLeft;
    const int nY = rcUsable.y + (rcUsable.h - (size.nHeight + nTop + nBottom)) / 2 + nTop;
    return {std::max(rcUsable.x + nLeft, nX), std::max(rcUsable.y + nTop, nY), size.nWidth, size.nHeight};
}

void CSdlWindow::SetScaleMode(ScaleMode eMode)
{
    m_eScaleMode = eMode;
    InvalidateDisplay();
}

void CSdlWindow::AttachVolume(COutputVolume* pVolume, BOOL bMuteUnfocused)
{
    m_pVolume = pVolume;
    m_bMuteUnfocused = bMuteUnfocused;
}

void CSdlWindow::ShowStatus(const std::string& strStatus)
{
    if (!m_pWindow)
        return;
    SDL_SetWindowTitle(m_pWindow, (m_strTitle + " - " + strStatus).c_str());
    m_dwStatusUntil = SDL_GetTicks() + kStatusMs;
    if (m_dwStatusUntil == 0)
        m_dwStatusUntil = 1;
}

void CSdlWindow::ToggleFullscreen()
{
    // The player's window size comes back when the window returns.
    if (!IsFullscreen())
        SDL_GetWindowSize(m_pWindow, &m_WindowedSize.nWidth, &m_WindowedSize.nHeight);
    SetFullscreen(!IsFullscreen());
}

void CSdlWindow::ChangeVolume(int nSteps)
{
    if (!m_pVolume)
        return;
    // Changing the volume also turns the sound back on.
    m_pVolume->SetMuted(FALSE);
    m_pVolume->StepLevel(nSteps);
    ShowStatus("volume " + std::to_string(m_pVolume->GetLevel()) + "%");
}

void CSdlWindow::ToggleMute()
{
    if (!m_pVolume)
        return;
    m_pVolume->SetMuted(!m_pVolume->IsMuted());
    ShowStatus(m_pVolume->IsMuted() ? std::string("sound off")
                                    : "sound on, volume " + std::to_string(m_pVolume->GetLevel()) + "%");
}

void CSdlWindow::TakeScreenshot()
{
    if (!m_ScreenshotWriter || !m_pDisplay)
        return;
    ShowStatus(m_ScreenshotWriter(m_pDisplay->GetShownFrame()));
}

BOOL CSdlWindow::HandleFrontendKey(const SDL_KeyboardEvent& key)
{
    const SDL_Keycode nKey = key.keysym.sym;
    const BOOL bAlt = (key.keysym.mod & KMOD_ALT) != 0;
    if (bAlt && nKey == SDLK_F4)
    {
        PostMessage(Handle(), WM_CLOSE, 0, 0);
        return TRUE;
    }
    // Keys that switch something act once per press, not on auto-repeat; the volume keys repeat.
    const BOOL bFirst = !key.repeat;
    switch (nKey)
    {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        if (!bAlt)
            return FALSE;
        if (bFirst)
            ToggleFullscreen();
        return TRUE;
    case SDLK_F11:
        if (bFirst)
            ToggleFullscreen();
        return TRUE;
    case SDLK_F10:
        if (bFirst)
        {
            SetScaleMode(NextScaleMode(m_eScaleMode));
            ShowStatus(std::string("scale: ") + ScaleModeName(m_eScaleMode));
        }
        return TRUE;
    case SDLK_F12:
        if (bFirst)
            TakeScreenshot();
        return TRUE;
    case SDLK_m:
    case SDLK_AUDIOMUTE:
        if (bFirst)
            ToggleMute();
        return TRUE;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
    case SDLK_VOLUMEDOWN:
        ChangeVolume(-1);
        return TRUE;
    case SDLK_PLUS:
    case SDLK_EQUALS:
    case SDLK_KP_PLUS:
    case SDLK_VOLUMEUP:
        ChangeVolume(1);
        return TRUE;
    default:
        return FALSE;
    }
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
                                                nX, nY, m_eScaleMode, &point);
    // Off the picture a move still goes through, at the nearest edge pixel, so that a scene sees
    // the pointer leave its hot spots; presses and releases there reach nothing.
    if (ePlace == POINT_NOWHERE || (ePlace == POINT_OFF_PICTURE && nMessage != WM_MOUSEMOVE))
        return;
    PostMessage(Handle(), nMessage, m_wButtons | ModifierFlags(), MAKELPARAM(point.x, point.y));
}

void CSdlWindow::TranslateKey(const SDL_KeyboardEvent& key)
{
    // The frontend's keys are handled here and never given to the game, nor is the Shift or
    // Ctrl pressed to reach them (Shift for "+").
    if (HandleFrontendKey(key))
    {
        m_bModifierPending = FALSE;
        return;
    }
    const DWORD dwVirtualKey = VirtualKeyOf(key.keysym.sym);
    if (!dwVirtualKey)
        return;
    // Repeat count 1, scan code in bits 16-23, bit 30 set for an auto-repeat.
    const LPARAM lKeyData = static_cast<LPARAM>(
        1u | ((static_cast<DWORD>(key.keysym.scancode) & 0xFFu) << 16) | (key.repeat ? (1u << 30) : 0u));
    if (dwVirtualKey == VK_SHIFT || dwVirtualKey == VK_CONTROL)
    {
        // A modifier waits for the key it goes with: given to the game before that key, or
        // alone when it is released first, but dropped when the key is the frontend's.
        if (key.repeat && m_bModifierPending)
            return;
        if (!key.repeat)
        {
            FlushPendingModifier();
            m_bModifierPending = TRUE;
            m_PendingModifier = {Handle(), WM_KEYDOWN, dwVirtualKey, lKeyData};
            return;
        }
    }
    FlushPendingModifier();
    PostMessage(Handle(), WM_KEYDOWN, dwVirtualKey, lKeyData);
}

void CSdlWindow::FlushPendingModifier()
{
    if (!m_bModifierPending)
        return;
    m_bModifierPending = FALSE;
    PostMessage(m_PendingModifier.hWnd, m_PendingModifier.nMessage, m_PendingModifier.wParam,
                m_PendingModifier.lParam);
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
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        if (m_pVolume && m_bMuteUnfocused)
            m_pVolume->SetFocusMuted(window.event == SDL_WINDOWEVENT_FOCUS_LOST);
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
    case SDL_KEYUP:
        if (m_bModifierPending && VirtualKeyOf(event.key.keysym.sym) == m_PendingModifier.wParam)
            FlushPendingModifier();
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
    // The title's status goes after its few seconds.
    if (m_dwStatusUntil != 0 && SDL_TICKS_PASSED(SDL_GetTicks(), m_dwStatusUntil))
    {
        SDL_SetWindowTitle(m_pWindow, m_strTitle.c_str());
        m_dwStatusUntil = 0;
    }
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
