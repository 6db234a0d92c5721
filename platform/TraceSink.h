// TraceSink.h: where DebugTrace messages go.
//
// Contract: each call to Write delivers exactly one complete message (already formatted and
// ending in "\r\n") to the sink as one unit; messages from different threads never interleave
// within a message. The default sink is the debugger output on Windows and standard error
// elsewhere. Tests install a CaptureTraceSink to read back what was traced.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace Platform
{

class ITraceSink
{
public:
    virtual ~ITraceSink() = default;
    virtual void Write(const char* pszMessage) = 0;
};

// The platform's own sink: OutputDebugStringA on Windows, standard error elsewhere.
ITraceSink& DefaultTraceSink();

// Installs pSink as the destination of every following message (null puts the default back)
// and returns the sink that was installed before.
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

// Installs a sink for the life of the object and restores the previous one afterwards.
class ScopedTraceSink
{
public:
    explicit ScopedTraceSink(ITraceSink& sink) : m_pPrevious(SetTraceSink(&sink)) {}
    ~ScopedTraceSink() { SetTraceSink(m_pPrevious); }
    ScopedTraceSink(const ScopedTraceSink&) = delete;
    ScopedTraceSink& operator=(const ScopedTraceSink&) = delete;

private:
    ITraceSink* m_pPrevious;
};

} // namespace Platform
