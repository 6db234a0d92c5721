// TraceSink.h: where DebugTrace messages go.
//
// Contract: each call to Write delivers exactly one complete message (already formatted and
// ending in "\r\n") to the sink as one unit; messages from different threads never interleave
// within a message. The default sink writes to standard error; a backend that has a better
// place (the debugger on Windows, the browser console) supplies its own sink in its bundle,
// and tests supply a CaptureTraceSink to read back what was traced.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace Trace
{

class ITraceSink
{
public:
    virtual ~ITraceSink() = default;
    virtual void Write(const char* pszMessage) = 0;
};

// Standard error, one whole message per write.
ITraceSink& DefaultTraceSink();

// Installs pSink as the destination of every following message (null puts the default back)
// and returns the sink installed before (never null). Only the platform's backend installer
// calls this; everything else installs a whole backend bundle.
ITraceSink* SetTraceSink(ITraceSink* pSink);

// The sink currently installed (never null).
ITraceSink& CurrentTraceSink();

// Keeps every message in memory, for tests and for the headless runner's trace file.
class CaptureTraceSink : public ITraceSink
{
public:
    void Write(const char* pszMessage) override;
    std::vector<std::string> Messages() const;
    std::string Text() const; // all messages joined
    void Clear();

private:
    mutable std::mutex m_Mutex;
    std::vector<std::string> m_Messages;
};

} // namespace Trace
