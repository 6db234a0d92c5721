// MRVRecord.cpp: the image record header as bytes and the rules a record must keep.
#include "assets/MRVRecord.h"

#include "assets/MRVCodecModel.h"
#include "assets/MRVRunCoding.h"
#include "platform/ByteOrder.h"

#include <algorithm>
#include <cstring>

void ReadRecordHeader(const BYTE* pBytes, MRVRecordHeader* pHeader)
{
    std::memcpy(pHeader->magic, pBytes, sizeof(pHeader->magic));
    pHeader->dwFlags = Platform::ReadLE32(pBytes + 4);
    pHeader->wWidth = Platform::ReadLE16(pBytes + 8);
    pHeader->wHeight = Platform::ReadLE16(pBytes + 10);
    pHeader->dwBufferSize = Platform::ReadLE32(pBytes + 12);
    pHeader->dwDataSize = Platform::ReadLE32(pBytes + 16);
}

void WriteRecordHeader(const MRVRecordHeader& header, BYTE* pBytes)
{
    std::memcpy(pBytes, header.magic, sizeof(header.magic));
    Platform::WriteLE32(pBytes + 4, header.dwFlags);
    Platform::WriteLE16(pBytes + 8, header.wWidth);
    Platform::WriteLE16(pBytes + 10, header.wHeight);
    Platform::WriteLE32(pBytes + 12, header.dwBufferSize);
    Platform::WriteLE32(pBytes + 16, header.dwDataSize);
}

const char* RecordFaultText(MRVRecordFault fault)
{
    switch (fault)
    {
    case MRVRECORD_OK:
        return "a valid record";
    case MRVRECORD_HEADER_CUT_SHORT:
        return "shorter than its 20-byte header";
    case MRVRECORD_DATA_ABOVE_BUFFER:
        return "data size exceeds buffer size";
    case MRVRECORD_STORED_NOT_FULL:
        return "an uncompressed payload must fill its buffer";
    case MRVRECORD_RAW_SIZE:
        return "a raw picture's buffer size must be width x height x 2";
    case MRVRECORD_RUNCODED_TOO_LARGE:
        return "buffer size exceeds the largest run-coded payload of width x height pixels";
    case MRVRECORD_STREAM_TOO_SHORT:
        return "buffer size exceeds what a compressed stream of data size bytes can decode to";
    case MRVRECORD_PAYLOAD_CUT_SHORT:
        return "payload cut short";
    }
    return "unknown fault";
}

namespace
{

// The decoded size the flags' pixel layout allows for width x height pixels: exactly the raw
// array, at most the largest run list; no bound for a record with no pixel layout.
uint64_t LayoutLimit(const MRVRecordHeader& header)
{
    if (header.dwFlags & MRVIMAGE_RAW)
        return static_cast<uint64_t>(header.wWidth) * header.wHeight * 2;
    if (header.dwFlags & MRVIMAGE_RUNCODED)
        return MRVRunCoding::MaxPayloadSize(header.wWidth, header.wHeight);
    return UINT64_MAX;
}

// The decoded size the stored bytes can give: a stream's largest output, or the stored
// payload itself.
uint64_t PayloadLimit(const MRVRecordHeader& header)
{
    return (header.dwFlags & MRVIMAGE_COMPRESSED) ? MRVCodec::MaxDecodedSize(header.dwDataSize)
                                                  : header.dwDataSize;
}

// The header's own consistency: everything but the bytes present.
MRVRecordFault CheckRecordHeader(const MRVRecordHeader& header)
{
    // The payload is read into a buffer of buffer size bytes.
    if (header.dwDataSize > header.dwBufferSize)
        return MRVRECORD_DATA_ABOVE_BUFFER;
    // A stored payload is the decoded payload itself: anything shorter would leave part of the
    // buffer unwritten.
    if (!(header.dwFlags & MRVIMAGE_COMPRESSED) && header.dwDataSize != header.dwBufferSize)
        return MRVRECORD_STORED_NOT_FULL;
    // Drawing a raw pixel array reads width x height pixels from the buffer.
    if ((header.dwFlags & MRVIMAGE_RAW) && header.dwBufferSize != LayoutLimit(header))
        return MRVRECORD_RAW_SIZE;
    if (header.dwBufferSize > LayoutLimit(header))
        return MRVRECORD_RUNCODED_TOO_LARGE;
    // Nothing is allocated for a compressed record beyond what its stream could fill.
    if (header.dwBufferSize > PayloadLimit(header))
        return MRVRECORD_STREAM_TOO_SHORT;
    return MRVRECORD_OK;
}

} // namespace

uint64_t RecordBufferLimit(const MRVRecordHeader& header)
{
    return std::min(LayoutLimit(header), PayloadLimit(header));
}

MRVRecordFault CheckRecord(const MRVRecordHeader& header, uint64_t nPayloadBytes)
{
    const MRVRecordFault fault = CheckRecordHeader(header);
    if (fault != MRVRECORD_OK)
        return fault;
    return header.dwDataSize > nPayloadBytes ? MRVRECORD_PAYLOAD_CUT_SHORT : MRVRECORD_OK;
}
