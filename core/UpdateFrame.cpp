// UpdateFrame.cpp: drawing the current scene into the locked back surface, and copying the
// finished frame to the screen, each recovering from lost surfaces.
#include "core/Core.h"
#include "scene/SceneDirector.h"
#include "trace/DebugTrace.h"

BOOL g_bFullRedraw = TRUE;

namespace
{

// Locks the back surface, restoring it once if it was lost. FALSE after a traced failure.
BOOL LockBackSurface(WORD** ppPixels, LONG* pnPitch)
{
    const Platform::DisplayResult result = g_pBackSurface->Lock(
        ppPixels, pnPitch, Platform::LOCK_WAIT | Platform::LOCK_WRITEONLY | Platform::LOCK_NOSYSLOCK);
    if (result == Platform::DISPLAY_OK)
        return TRUE;

    DebugTrace("Unable to lock surface in Core::UpdateFrame()");
    if (result != Platform::DISPLAY_SURFACELOST)
    {
        DebugTrace("Unable to lock surface after attept to restore, in Core::UpdateFrame()");
        return FALSE;
    }
    if (g_pBackSurface->Restore() != Platform::DISPLAY_OK)
    {
        DebugTrace("Unable to retore lost surface in Core::UpdateFrame()");
        return FALSE;
    }
    if (g_pBackSurface->Lock(ppPixels, pnPitch, Platform::LOCK_WAIT) != Platform::DISPLAY_OK)
    {
        DebugTrace("Unable to lock retored surface in Core::UpdateFrame()");
        return FALSE;
    }
    return TRUE;
}

} // namespace

namespace Core
{

BOOL UpdateFrame()
{
    WORD* pPixels = nullptr;
    LONG nPitch = 0;
    if (!LockBackSurface(&pPixels, &nPitch))
        return FALSE;

    g_SceneDirector.Draw(pPixels, nPitch, g_bFullRedraw);
    g_bFullRedraw = FALSE;

    if (g_pBackSurface->Unlock() != Platform::DISPLAY_OK)
    {
        DebugTrace("Unable to unlock surface, in Core::UpdateFrame()");
        return FALSE;
    }
    return TRUE;
}

void PresentFrame()
{
    // Any failure other than a lost screen is ignored: the next pass copies a new frame.
    if (g_pPrimarySurface->Blt(g_rcDest, g_pBackSurface, g_rcSource) != Platform::DISPLAY_SURFACELOST)
        return;
    g_bFullRedraw = TRUE;
    DebugTrace("Primary surface was lost.\n");
    g_pPrimarySurface->Restore();
}

} // namespace Core
