// DebuggerTraceSink.h: the Windows backend's trace sink, the debugger output.
#pragma once

#include "trace/TraceSink.h"

namespace Platform
{

class CDebuggerTraceSink : public Trace::ITraceSink
{
public:
    // One OutputDebugStringA call per message.
    void Write(const char* pszMessage) override;
};

} // namespace Platform
