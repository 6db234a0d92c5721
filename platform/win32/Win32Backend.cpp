// Win32Backend.cpp: the bundle of the Windows services.
#include "platform/win32/Win32Backend.h"

namespace Platform
{

Backend CWin32Backend::Bundle()
{
    Backend backend;
    backend.pWindow = &m_Window;
    backend.pDisplay = &m_Display;
    backend.pSingleInstance = &m_SingleInstance;
    backend.pAudio = &m_Audio;
    backend.pClock = &m_Clock;
    backend.pTraceSink = &m_TraceSink;
    return backend;
}

} // namespace Platform
