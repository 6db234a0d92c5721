// FuzzSupport.h: shared set-up of the asset fuzz targets.
#pragma once

#include "platform/Backend.h"
#include "trace/TraceSink.h"

#include <cstddef>
#include <cstdint>

namespace AssetFuzz
{

// Rejected inputs trace a line each; the fuzzer does not need to see them.
class NullTraceSink : public Trace::ITraceSink
{
public:
    void Write(const char*) override {}
};

// Installs the silent sink for the rest of the process.
inline void SilenceTraces()
{
    static NullTraceSink s_Sink;
    static const Platform::Backend s_Backend = []
    {
        Platform::Backend backend;
        backend.pTraceSink = &s_Sink;
        return backend;
    }();
    static Platform::CScopedBackend s_Scope(s_Backend);
}

} // namespace AssetFuzz
