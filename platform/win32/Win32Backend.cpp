// Win32Backend.cpp: the bundle of the Windows services.
#include "platform/win32/Win32Backend.h"

namespace Platform
{

Backend CWin32Backend::Bundle()
{
    return MakeBackend(m_Window, m_Display, m_SingleInstance, &m_Audio, &m_Clock, &m_TraceSink);
}

} // namespace Platform
