// ByteOrder.h: little-endian fields, read and written the same way whatever the host's order.
//
// Every multi-byte number in the game's files (image records, frame sets, sound files), in the
// WAV files the content tools read and in 16-bit sample buffers is little-endian. Pointers may
// be unaligned.
#pragma once

#include <cstdint>
#include <vector>

namespace Platform
{

inline uint16_t ReadLE16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t ReadLE32(const uint8_t* p)
{
    return static_cast<uint32_t>(ReadLE16(p)) | (static_cast<uint32_t>(ReadLE16(p + 2)) << 16);
}

inline void WriteLE16(uint8_t* p, uint16_t nValue)
{
    p[0] = static_cast<uint8_t>(nValue);
    p[1] = static_cast<uint8_t>(nValue >> 8);
}

inline void WriteLE32(uint8_t* p, uint32_t nValue)
{
    WriteLE16(p, static_cast<uint16_t>(nValue));
    WriteLE16(p + 2, static_cast<uint16_t>(nValue >> 16));
}

inline void AppendLE16(std::vector<uint8_t>& out, uint16_t nValue)
{
    out.push_back(static_cast<uint8_t>(nValue));
    out.push_back(static_cast<uint8_t>(nValue >> 8));
}

inline void AppendLE32(std::vector<uint8_t>& out, uint32_t nValue)
{
    AppendLE16(out, static_cast<uint16_t>(nValue));
    AppendLE16(out, static_cast<uint16_t>(nValue >> 16));
}

} // namespace Platform
