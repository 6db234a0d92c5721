// ByteOrder.h: little-endian reading and writing for the content file formats.
// Every multi-byte field of .mri, .mrm and .mrs files is little-endian whatever the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace MRVPacker
{

inline void PutLE16(std::vector<uint8_t>& out, uint32_t nValue)
{
    out.push_back(static_cast<uint8_t>(nValue));
    out.push_back(static_cast<uint8_t>(nValue >> 8));
}

inline void PutLE32(std::vector<uint8_t>& out, uint32_t nValue)
{
    PutLE16(out, nValue & 0xFFFF);
    PutLE16(out, nValue >> 16);
}

inline uint16_t GetLE16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t GetLE32(const uint8_t* p)
{
    return static_cast<uint32_t>(GetLE16(p)) | (static_cast<uint32_t>(GetLE16(p + 2)) << 16);
}

} // namespace MRVPacker
