// WebConsoleTraceSink.h: the trace in a browser page goes to the page's console.
//
// Each message is one console.log call, without its closing line break (the console ends the
// line itself). Messages traced on a worker thread are handed to the page's main thread, so
// that every message lands in the page's own console, in the order they were traced there.
#pragma once

#include "trace/TraceSink.h"

namespace Platform
{

class CWebConsoleTraceSink : public Trace::ITraceSink
{
public:
    void Write(const char* pszMessage) override;
};

} // namespace Platform
