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
    static const Platform::Backend s_Backend = [] {
        Platform::Backend backend;
        backend.pTraceSink = &s_Sink;
        return backend;
    }();
    static Platform::CScopedBackend s_Scope(s_Backend);
}

// Records announcing more than this many decoded bytes are skipped: they are valid, but the
// allocation of their buffer would only test the allocator.
constexpr uint32_t kMaxBufferSize = 1u << 20;

inline bool BufferSizeTooLarge(const uint8_t* pRecord, size_t nSize)
{
    if (nSize < 16)
        return false;
    const uint32_t dwBufferSize = static_cast<uint32_t>(pRecord[12]) | (static_cast<uint32_t>(pRecord[13]) << 8) |
                                  (static_cast<uint32_t>(pRecord[14]) << 16) | (static_cast<uint32_t>(pRecord[15]) << 24);
    return dwBufferSize > kMaxBufferSize;
}

} // namespace AssetFuzz
