// GraphicsTestSupport.h: small pictures, guarded destinations, records and frame sets made in
// code (compressed with the content tools' encoder) and a settable clock for the graphics tests.
#pragma once

#include "assets/MRVRunCoding.h"
#include "graphics/MRVImage.h"
#include "platform/ByteOrder.h"
#include "platform/Clock.h"
#include "tests/assets/RecordBytes.h"
#include "tools/encoder/MRVEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace GraphicsTest
{

// A width x height pixel grid inside a guard band: writes outside the grid break GuardIntact.
class GuardedBuffer
{
public:
    GuardedBuffer(int nWidth, int nHeight, WORD wFill, int nGuard = 8)
        : m_nWidth(nWidth), m_nHeight(nHeight), m_nGuard(nGuard), m_nPitch(nWidth + 2 * nGuard),
          m_Pixels(static_cast<size_t>(m_nPitch) * (nHeight + 2 * nGuard), kGuard)
    {
        for (int y = 0; y < nHeight; ++y)
            std::fill_n(&At(0, y), nWidth, wFill);
    }
    WORD* Origin() { return &m_Pixels[static_cast<size_t>(m_nGuard) * m_nPitch + m_nGuard]; }
    LONG PitchBytes() const { return m_nPitch * 2; }
    WORD& At(int x, int y) { return Origin()[static_cast<ptrdiff_t>(y) * m_nPitch + x]; }
    bool GuardIntact() const
    {
        for (size_t i = 0; i < m_Pixels.size(); ++i)
        {
            const int x = static_cast<int>(i % m_nPitch) - m_nGuard,
                      y = static_cast<int>(i / m_nPitch) - m_nGuard;
            if ((x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) && m_Pixels[i] != kGuard)
                return false;
        }
        return true;
    }

private:
    static constexpr WORD kGuard = 0xDEAD;
    int m_nWidth, m_nHeight, m_nGuard, m_nPitch;
    std::vector<WORD> m_Pixels;
};

// A whole image record: header and payload.
inline std::vector<BYTE> MakeRecord(DWORD dwFlags, int nWidth, int nHeight, const std::vector<BYTE>& payload,
                                    DWORD dwBufferSize)
{
    return AssetTest::Record(dwFlags, static_cast<uint16_t>(nWidth), static_cast<uint16_t>(nHeight),
                             dwBufferSize, static_cast<uint32_t>(payload.size()), payload);
}

// A run-coded payload, record by record (type, reserved byte, 32-bit count, pixels).
class RunList
{
public:
    RunList& Transparent(uint32_t nCount) { return Header(MRVRunCoding::RUN_TRANSPARENT, nCount); }
    RunList& Opaque(std::initializer_list<WORD> pixels)
    {
        Header(MRVRunCoding::RUN_OPAQUE, static_cast<uint32_t>(pixels.size()));
        for (WORD p : pixels)
            Platform::AppendLE16(m_Bytes, p);
        return *this;
    }
    RunList& End() { return Header(MRVRunCoding::RUN_END, 0); }
    RunList& Raw(std::initializer_list<BYTE> bytes)
    {
        m_Bytes.insert(m_Bytes.end(), bytes);
        return *this;
    }
    const std::vector<BYTE>& Bytes() const { return m_Bytes; }

private:
    RunList& Header(BYTE nType, uint32_t nCount)
    {
        m_Bytes.push_back(nType);
        m_Bytes.push_back(0);
        Platform::AppendLE32(m_Bytes, nCount);
        return *this;
    }
    std::vector<BYTE> m_Bytes;
};

// A decoded raw picture (colour-keyed when bKeyed) holding the given pixels, row by row.
inline std::unique_ptr<CMRVImage> MakeRaw(int nWidth, int nHeight, const std::vector<WORD>& pixels,
                                          bool bKeyed = false)
{
    auto image = std::make_unique<CMRVImage>();
    EXPECT_TRUE(image->Create(nWidth, nHeight, bKeyed ? TRUE : FALSE));
    if (!pixels.empty())
        std::memcpy(image->GetPixels(), pixels.data(),
                    std::min<size_t>(pixels.size() * 2, image->GetBufferSize()));
    return image;
}

inline std::unique_ptr<CMRVImage> MakeRunCoded(int nWidth, int nHeight, const RunList& runs)
{
    auto image = std::make_unique<CMRVImage>();
    const std::vector<BYTE>& payload = runs.Bytes();
    const std::vector<BYTE> record =
        MakeRecord(MRVIMAGE_RUNCODED, nWidth, nHeight, payload, static_cast<DWORD>(payload.size()));
    EXPECT_TRUE(image->LoadFromMemory(record.data(), record.size()));
    return image;
}

// A compressed raw frame of nWidth x nHeight pixels all equal to wPixel.
inline std::vector<BYTE> CompressedRawFrame(int nWidth, int nHeight, WORD wPixel)
{
    std::vector<BYTE> raw;
    for (int i = 0; i < nWidth * nHeight; ++i)
        Platform::AppendLE16(raw, wPixel);
    return MakeRecord(MRVIMAGE_COMPRESSED | MRVIMAGE_RAW, nWidth, nHeight,
                      MRVEncoder::Encode(raw.data(), raw.size()), static_cast<DWORD>(raw.size()));
}

// Game time that moves only when the test says so.
class FakeClock : public Platform::IClock
{
public:
    DWORD TimeGetTime() override { return m_dwNow; }
    void Sleep(DWORD dwMilliseconds) override { m_dwNow += dwMilliseconds; }
    DWORD GetTickCount() override { return m_dwNow; }
    DWORD m_dwNow = 0;
};

} // namespace GraphicsTest
