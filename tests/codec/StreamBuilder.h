// StreamBuilder.h: writes codec streams symbol by symbol for the tests, through the encoder's
// copy of the model, with raw bits for streams that break the rules on purpose.
#pragma once

#include "assets/MRVDecompressor.h"
#include "tools/encoder/BitWriter.h"
#include "tools/encoder/EncoderModel.h"

#include <vector>

class CStreamBuilder
{
public:
    CStreamBuilder() : m_Writer(m_Bytes) {}

    CStreamBuilder& Literal(int nByte)
    {
        m_Model.WriteSymbol(m_Writer, nByte);
        return *this;
    }
    CStreamBuilder& Literals(const std::vector<uint8_t>& bytes)
    {
        for (uint8_t b : bytes)
            Literal(b);
        return *this;
    }
    CStreamBuilder& Match(int nLength, uint32_t nDistance)
    {
        m_Model.WriteMatch(m_Writer, nLength, nDistance);
        return *this;
    }
    CStreamBuilder& Update(const int* pWidths)
    {
        m_Model.WriteUpdate(m_Writer, pWidths);
        return *this;
    }
    CStreamBuilder& Update() { return Update(MRVCodec::INITIAL_CLASS_WIDTHS); }
    CStreamBuilder& End()
    {
        m_nEndBit = m_Writer.BitCount();
        m_nEndBits = m_Model.CodeLength(MRVCodec::SYMBOL_END);
        m_Model.WriteSymbol(m_Writer, MRVCodec::SYMBOL_END);
        m_Writer.AlignToByte();
        return *this;
    }
    // The finished payload: when the last end symbol shares its byte with the symbol before
    // it, a block of only the end symbol follows, since the decoder wants that byte unread.
    const std::vector<uint8_t>& Finish()
    {
        const int nUsed = int(m_nEndBit % 8);
        if (nUsed != 0 && nUsed + m_nEndBits <= 8)
            End();
        return m_Bytes;
    }
    CStreamBuilder& Bits(uint32_t nValue, int nCount)
    {
        m_Writer.Write(nValue, nCount);
        return *this;
    }
    CStreamBuilder& Align()
    {
        m_Writer.AlignToByte();
        return *this;
    }
    size_t Size() const { return m_Bytes.size(); }
    const std::vector<uint8_t>& Bytes() const { return m_Bytes; }

private:
    std::vector<uint8_t> m_Bytes;
    MRVEncoder::CBitWriter m_Writer;
    MRVEncoder::CEncoderModel m_Model;
    uint64_t m_nEndBit = 0;
    int m_nEndBits = 0;
};

// Result of decoding a whole payload block by block, as the image loader does.
struct DecodeResult
{
    bool bOk = false;
    int nBlocks = 0;
    std::vector<uint8_t> bytes; // the bytes produced
};

inline DecodeResult DecodePayload(const std::vector<uint8_t>& stream, size_t nOutSize)
{
    DecodeResult result;
    CMRVDecompressor dec;
    std::vector<uint8_t> out(nOutSize);
    DWORD dwOut = DWORD(nOutSize);
    DWORD dwIn = DWORD(stream.size());
    do
    {
        if (!dec.DecodeBlock(out.data() + (nOutSize - dwOut), &dwOut, stream.data() + (stream.size() - dwIn),
                             &dwIn))
            return result;
        ++result.nBlocks;
    } while (dwIn != 0);
    out.resize(nOutSize - dwOut);
    result.bOk = true;
    result.bytes = std::move(out);
    return result;
}
