// MemorySurface.h: the back surface of a display that composes its frames in plain memory and
// shows them itself (the SDL window's texture, the page's canvas).
//
// 640x480 pixels of 5-6-5 (kFormat565), handed out whole by Lock with a pitch of 1,280 bytes
// and never lost. It cannot be the target of a copy. Its display is told when a frame is
// begun (the shell locks the back surface to draw one) and when the surface is given back.
// The primary surface of such a display shows the back surface's frame when it is copied.
#pragma once

#include "platform/Display.h"

#include <functional>
#include <vector>

namespace Platform
{

class CMemoryBackSurface : public IDisplaySurface
{
public:
    // fnReleased runs when the surface is given back, fnLocked (if any) at every Lock.
    explicit CMemoryBackSurface(std::function<void()> fnReleased, std::function<void()> fnLocked = nullptr);

    DisplayResult Lock(WORD** ppPixels, LONG* pnPitch, DWORD dwFlags) override;
    DisplayResult Unlock() override { return DISPLAY_OK; }
    DisplayResult Restore() override { return DISPLAY_OK; }
    DisplayResult Blt(const RECT&, IDisplaySurface*, const RECT&) override { return DISPLAY_FAILED; }
    BOOL GetPixelFormat(DisplayPixelFormat& format) override;
    void Release() override;

    const std::vector<WORD>& Pixels() const { return m_Pixels; }

private:
    std::function<void()> m_fnReleased;
    std::function<void()> m_fnLocked;
    std::vector<WORD> m_Pixels;
};

// The screen of such a display. It cannot be locked; copying the display's back surface to it
// shows the frame, unless the device behind it is lost: then the copy says so until Restore
// has succeeded. Each display says how it shows a frame, restores its device and lets go.
class CMemoryPrimarySurface : public IDisplaySurface
{
public:
    DisplayResult Lock(WORD**, LONG*, DWORD) override { return DISPLAY_FAILED; }
    DisplayResult Unlock() override { return DISPLAY_FAILED; }
    DisplayResult Blt(const RECT& rcDest, IDisplaySurface* pSource, const RECT& rcSource) override;
    BOOL GetPixelFormat(DisplayPixelFormat& format) override;

protected:
    // The display's back surface, the only source a copy takes.
    virtual const IDisplaySurface* GetBackSurface() const = 0;
    virtual DisplayResult ShowFrame(const CMemoryBackSurface& back) = 0;
    virtual BOOL IsDeviceLost() const { return FALSE; }
};

} // namespace Platform
