// TraceSink.cpp: sink selection, the standard-error sink and the in-memory capture sink.
#include "trace/TraceSink.h"

#include <atomic>
#include <cstdio>
#include <cstring>

namespace Trace
{

namespace
{

std::atomic<ITraceSink*> g_pTraceSink{nullptr};

// Standard error is unbuffered; the lock keeps two threads' messages from sharing a line.
class CStderrTraceSink : public ITraceSink
{
public:
    void Write(const char* pszMessage) override
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        std::fwrite(pszMessage, 1, std::strlen(pszMessage), stderr);
        std::fflush(stderr);
    }

private:
    std::mutex m_Mutex;
};

} // namespace

ITraceSink& DefaultTraceSink()
{
    static CStderrTraceSink s_Sink;
    return s_Sink;
}

ITraceSink* SetTraceSink(ITraceSink* pSink)
{
    ITraceSink* pPrevious = g_pTraceSink.exchange(pSink);
    return pPrevious ? pPrevious : &DefaultTraceSink();
}

ITraceSink& CurrentTraceSink()
{
    ITraceSink* pSink = g_pTraceSink.load();
    return pSink ? *pSink : DefaultTraceSink();
}

void CaptureTraceSink::Write(const char* pszMessage)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Messages.emplace_back(pszMessage);
}

std::vector<std::string> CaptureTraceSink::Messages() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Messages;
}

std::string CaptureTraceSink::Text() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    std::string strText;
    for (const std::string& strMessage : m_Messages)
        strText += strMessage;
    return strText;
}

void CaptureTraceSink::Clear()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Messages.clear();
}

} // namespace Trace
