// RecordBytes.h: image records and frame-set files built byte by byte for the asset tests, and
// a helper that writes them to temporary files.
#pragma once

#include "assets/MRVRecord.h"
#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace AssetTest
{

using Bytes = std::vector<uint8_t>;

// A header with the given fields.
inline MRVRecordHeader Header(uint32_t dwFlags, uint16_t wWidth, uint16_t wHeight, uint32_t dwBufferSize,
                              uint32_t dwDataSize)
{
    MRVRecordHeader header;
    header.dwFlags = dwFlags;
    header.wWidth = wWidth;
    header.wHeight = wHeight;
    header.dwBufferSize = dwBufferSize;
    header.dwDataSize = dwDataSize;
    return header;
}

// Header with the given fields followed by the payload bytes (data size is given separately so
// that tests can make it disagree with the payload).
inline Bytes Record(uint32_t dwFlags, uint16_t wWidth, uint16_t wHeight, uint32_t dwBufferSize,
                    uint32_t dwDataSize, const Bytes& payload)
{
    Bytes out(MRVIMAGE_HEADER_SIZE);
    WriteRecordHeader(Header(dwFlags, wWidth, wHeight, dwBufferSize, dwDataSize), out.data());
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

// Compressed record with no pixel layout around a codec stream.
inline Bytes StreamRecord(uint32_t dwBufferSize, const Bytes& stream)
{
    return Record(1, 0, 0, dwBufferSize, static_cast<uint32_t>(stream.size()), stream);
}

// One block: the literals a, b, c, then the end of the block.
inline const Bytes kAbcStream = {0x8E, 0x8F, 0x90, 0xFE, 0x80};

inline Bytes FrameSet(uint16_t wFrameRate, const std::vector<Bytes>& records)
{
    Bytes out = {'M', 'R', 'V', 'M'};
    Platform::AppendLE16(out, wFrameRate);
    Platform::AppendLE16(out, static_cast<uint16_t>(records.size()));
    for (const Bytes& record : records)
    {
        Platform::AppendLE32(out, static_cast<uint32_t>(record.size()));
        out.insert(out.end(), record.begin(), record.end());
    }
    return out;
}

// Writes bytes to a fresh file in the test's temporary directory and returns its path.
inline std::string WriteTempFile(const std::string& strName, const Bytes& bytes)
{
    const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string strPath =
        ::testing::TempDir() + "assets_" + pInfo->test_suite_name() + "_" + pInfo->name() + "_" + strName;
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return strPath;
}

} // namespace AssetTest
