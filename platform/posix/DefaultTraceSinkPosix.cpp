// DefaultTraceSinkPosix.cpp: the default trace sink outside Windows writes to standard error.
// One write(2) per message keeps each message whole even when threads trace at once.
#include "platform/TraceSink.h"

#include <cstring>
#include <unistd.h>

namespace Platform
{

namespace
{
class StderrTraceSink : public ITraceSink
{
public:
    void Write(const char* pszMessage) override
    {
        size_t nLeft = std::strlen(pszMessage);
        while (nLeft > 0)
        {
            ssize_t nWritten = ::write(STDERR_FILENO, pszMessage, nLeft);
            if (nWritten <= 0)
                return;
            pszMessage += nWritten;
            nLeft -= static_cast<size_t>(nWritten);
        }
    }
};
} // namespace

ITraceSink& DefaultTraceSink()
{
    static StderrTraceSink s_Sink;
    return s_Sink;
}

} // namespace Platform
