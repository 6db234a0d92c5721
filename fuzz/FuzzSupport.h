// FuzzSupport.h: what several fuzz targets share: silent traces (and a clock they control), a
// scratch file per fuzzing process, and a reader of the input's fields.
#pragma once

#include "platform/Backend.h"
#include "trace/TraceSink.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace FuzzSupport
{

// Rejected inputs trace a line each; the fuzzer does not need to see them.
class NullTraceSink : public Trace::ITraceSink
{
public:
    void Write(const char*) override {}
};

// Installs the silent sink, and pClock when given, for the rest of the process.
inline void SilenceTraces(Platform::IClock* pClock = nullptr)
{
    static NullTraceSink s_Sink;
    static const Platform::Backend s_Backend = [pClock]
    {
        Platform::Backend backend;
        backend.pTraceSink = &s_Sink;
        backend.pClock = pClock;
        return backend;
    }();
    static Platform::CScopedBackend s_Scope(s_Backend);
}

// Writes the input to this process's scratch file named after pszName (removed when the process
// ends) and returns its path, or an empty string when it cannot be written.
inline std::string WriteScratchFile(const char* pszName, const uint8_t* pData, size_t nSize)
{
    struct ScratchFile
    {
        std::string strPath;
        ~ScratchFile() { std::remove(strPath.c_str()); }
    };
    static const ScratchFile s_File{"/tmp/" + std::to_string(getpid()) + "_" + pszName};
    FILE* pFile = std::fopen(s_File.strPath.c_str(), "wb");
    if (!pFile)
        return {};
    const bool bWritten = std::fwrite(pData, 1, nSize, pFile) == nSize;
    return std::fclose(pFile) == 0 && bWritten ? s_File.strPath : std::string();
}

// Reads the input's fields; past its end every field reads 0.
class Reader
{
public:
    Reader(const uint8_t* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}
    bool Empty() const { return m_nSize == 0; }
    uint8_t Byte() { return m_nSize > 0 ? (--m_nSize, *m_pData++) : 0; }
    int16_t Short() { return static_cast<int16_t>(Byte() | (Byte() << 8)); }
    const uint8_t* Rest() const { return m_pData; }
    size_t RestSize() const { return m_nSize; }

private:
    const uint8_t* m_pData;
    size_t m_nSize;
};

} // namespace FuzzSupport
