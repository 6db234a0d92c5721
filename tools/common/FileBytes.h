// FileBytes.h: whole files in and out for the content tools, with every failure reported.
//
// Reading takes regular files only, so that a folder or a device given as input is refused
// with a message instead of an exception or an endless read. Writing never leaves a
// half-written file in the output's place and never deletes anything it did not create: a
// regular output (or a new one) is written to a temporary file beside it, flushed and closed
// with every result checked, and renamed over it; any other output (a device, a pipe) is
// written in place and only its own write, flush and close are checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ToolFiles
{

// The whole file. On failure returns false and says why in *pError (without the path).
bool ReadFileBytes(const std::string& strPath, std::vector<uint8_t>* pBytes, std::string* pError);

// Writes nSize bytes as the whole of the file. On failure returns false and says why in
// *pError (without the path); the output is then as it was before the call.
bool WriteFileBytes(const std::string& strPath, const uint8_t* pData, size_t nSize, std::string* pError);

inline bool WriteFileBytes(const std::string& strPath, const std::vector<uint8_t>& bytes, std::string* pError)
{
    return WriteFileBytes(strPath, bytes.data(), bytes.size(), pError);
}

// Writes the bytes as WriteFileBytes does, unless the file already holds exactly them: an
// unchanged output keeps its time stamp, so the build redoes nothing that depends on it.
bool WriteFileBytesIfChanged(const std::string& strPath, const std::vector<uint8_t>& bytes,
                             std::string* pError);

} // namespace ToolFiles
