// CapturedTrace.h: a trace capture installed as the only service of a backend bundle for the
// life of the object, so a test reads back what the code under test traced.
#pragma once

#include "platform/Backend.h"
#include "trace/TraceSink.h"

class CCapturedTrace : public Trace::CaptureTraceSink
{
public:
    CCapturedTrace() : m_Scope(Bundle(this)) {}

private:
    static Platform::Backend Bundle(Trace::ITraceSink* pSink)
    {
        Platform::Backend backend;
        backend.pTraceSink = pSink;
        return backend;
    }

    Platform::CScopedBackend m_Scope;
};
