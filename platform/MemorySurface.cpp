// MemorySurface.cpp: the memory back surface and the primary surface of the displays that show
// frames themselves.
#include "platform/MemorySurface.h"

#include "platform/ScreenFormat.h"

#include <utility>

namespace Platform
{

CMemoryBackSurface::CMemoryBackSurface(std::function<void()> fnReleased, std::function<void()> fnLocked)
    : m_fnReleased(std::move(fnReleased)), m_fnLocked(std::move(fnLocked)),
      m_Pixels(static_cast<size_t>(kScreenWidth) * kScreenHeight, 0)
{
}

DisplayResult CMemoryBackSurface::Lock(WORD** ppPixels, LONG* pnPitch, DWORD)
{
    if (m_fnLocked)
        m_fnLocked();
    *ppPixels = m_Pixels.data();
    *pnPitch = kScreenWidth * static_cast<LONG>(sizeof(WORD));
    return DISPLAY_OK;
}

BOOL CMemoryBackSurface::GetPixelFormat(DisplayPixelFormat& format)
{
    format = kFormat565;
    return TRUE;
}

DisplayResult CMemoryPrimarySurface::Blt(const RECT&, IDisplaySurface* pSource, const RECT&)
{
    if (IsDeviceLost())
        return DISPLAY_SURFACELOST;
    if (!pSource || pSource != GetBackSurface())
        return DISPLAY_FAILED;
    return ShowFrame(*static_cast<const CMemoryBackSurface*>(pSource));
}

BOOL CMemoryPrimarySurface::GetPixelFormat(DisplayPixelFormat& format)
{
    format = kFormat565;
    return TRUE;
}

void CMemoryBackSurface::Release()
{
    if (m_fnReleased)
        m_fnReleased();
    delete this;
}

} // namespace Platform
