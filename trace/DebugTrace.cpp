// DebugTrace.cpp: formats one trace message on the stack and sends it to the trace sink.
#include "trace/DebugTrace.h"

#include "trace/TraceSink.h"

#include <cstdarg>
#include <cstdio>

namespace
{
constexpr int kTraceBufferSize = 256;
constexpr int kMaxTextLength = kTraceBufferSize - 3; // room for "\r\n" and the zero
} // namespace

void DebugTrace(const char* pszFormat, ...)
{
    char szBuffer[kTraceBufferSize];
    va_list args;
    va_start(args, pszFormat);
    int nLength = std::vsnprintf(szBuffer, kMaxTextLength + 1, pszFormat, args);
    va_end(args);
    if (nLength < 0)
        nLength = 0;
    if (nLength > kMaxTextLength)
        nLength = kMaxTextLength;
    szBuffer[nLength] = '\r';
    szBuffer[nLength + 1] = '\n';
    szBuffer[nLength + 2] = '\0';
    Trace::CurrentTraceSink().Write(szBuffer);
}
