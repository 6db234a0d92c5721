// TraceSink.cpp: sink selection and the in-memory capture sink (portable part).
#include "platform/TraceSink.h"

#include <atomic>

namespace Platform
{

namespace
{
std::atomic<ITraceSink*> g_pTraceSink{nullptr};
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

} // namespace Platform
