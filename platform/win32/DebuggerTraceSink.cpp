// DebuggerTraceSink.cpp: trace messages to the attached debugger.
#include "platform/win32/DebuggerTraceSink.h"

#include "platform/win32/Win32Api.h"

namespace Platform
{

void CDebuggerTraceSink::Write(const char* pszMessage)
{
    OutputDebugStringA(pszMessage);
}

} // namespace Platform
