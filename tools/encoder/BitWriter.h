// BitWriter.h: most-significant-bit-first bit packing for the payload encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace MRVEncoder
{

class CBitWriter
{
public:
    explicit CBitWriter(std::vector<uint8_t>& out) : m_Out(out) {}

    // Appends the low nCount bits of nValue (nCount from 0 to 32), highest bit first.
    void Write(uint32_t nValue, int nCount)
    {
        if (nCount == 0)
            return;
        m_qwBits = (m_qwBits << nCount) | (uint64_t(nValue) & ((uint64_t(1) << nCount) - 1));
        m_nBits += nCount;
        while (m_nBits >= 8)
        {
            m_nBits -= 8;
            m_Out.push_back(uint8_t(m_qwBits >> m_nBits));
        }
    }

    // Pads the last byte with 0 bits.
    void AlignToByte()
    {
        if (m_nBits != 0)
            Write(0, 8 - m_nBits);
    }

    // Bits written so far, including the pending partial byte.
    uint64_t BitCount() const { return uint64_t(m_Out.size()) * 8 + uint64_t(m_nBits); }

private:
    std::vector<uint8_t>& m_Out;
    uint64_t m_qwBits = 0;
    int m_nBits = 0;
};

} // namespace MRVEncoder
