// DebuggerTraceSink.cpp: trace messages to the attached debugger.
#include "platform/win32/DebuggerTraceSink.h"

#include <windows.h>

namespace Platform
{

void CDebuggerTraceSink::Write(const char* pszMessage)
{
    OutputDebugStringA(pszMessage);
}

} // namespace Platform
