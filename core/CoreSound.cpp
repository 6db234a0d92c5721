// CoreSound.cpp: the shell's calls into the sound engine.
#include "core/CoreSound.h"

#include "sound/MRVSoundEngine.h"
#include "trace/DebugTrace.h"

namespace
{
BOOL g_bSoundEngineEnabled = TRUE;
} // namespace

namespace Core
{

void CreateSoundEngineFor(HWND hwnd)
{
    if (!g_bSoundEngineEnabled)
        return;
    CreateSoundEngine();
    if (g_pSoundEngine && !g_pSoundEngine->Init(hwnd))
        DebugTrace("Error: Unable to init DirectSound");
}

void DestroySoundEngineIfAny()
{
    DestroySoundEngine();
}

void EnableSoundEngine(BOOL bEnable)
{
    g_bSoundEngineEnabled = bEnable;
}

} // namespace Core
