// DefaultTraceSinkWin32.cpp: on Windows the default trace sink is the debugger output.
#include "platform/TraceSink.h"

#include "platform/win32/Win32Api.h"

namespace Platform
{

namespace
{
class DebuggerTraceSink : public ITraceSink
{
public:
    void Write(const char* pszMessage) override { OutputDebugStringA(pszMessage); }
};
} // namespace

ITraceSink& DefaultTraceSink()
{
    static DebuggerTraceSink s_Sink;
    return s_Sink;
}

} // namespace Platform
