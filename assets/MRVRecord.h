// MRVRecord.h: the packed image record as bytes: its 20-byte header (magic "MRVX", flags,
// width, height, buffer size, data size, little-endian), its flag bits, and the rules a record
// must keep to be loaded. .mri files hold one record; .mrm frame-set entries hold one each.
//
// The rules are checked on the header before anything is allocated, by the engine's loaders
// and by mrvtool alike; a refused record comes with a fault code, which mrvtool turns into a
// message. Every buffer a record makes the loader allocate is bounded by what its width,
// height and stored bytes can really describe.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>

// Flag bits of an image record.
enum : DWORD
{
    MRVIMAGE_COMPRESSED = 1, // payload is a compressed stream
    MRVIMAGE_RAW = 2,        // decoded payload is a raw pixel array
    MRVIMAGE_COLORKEY = 4,   // with MRVIMAGE_RAW: pixel value 0 is not drawn
    MRVIMAGE_RUNCODED = 8,   // decoded payload is run-coded pixels
};

constexpr size_t MRVIMAGE_HEADER_SIZE = 20;

// The header's fields, in file order.
struct MRVRecordHeader
{
    BYTE magic[4] = {'M', 'R', 'V', 'X'};
    DWORD dwFlags = 0;
    WORD wWidth = 0;
    WORD wHeight = 0;
    DWORD dwBufferSize = 0; // bytes of the decoded payload
    DWORD dwDataSize = 0;   // bytes of payload that follow the header
};

// Reads the 20 header bytes at pBytes.
void ReadRecordHeader(const BYTE* pBytes, MRVRecordHeader* pHeader);
// Writes the header into the 20 bytes at pBytes.
void WriteRecordHeader(const MRVRecordHeader& header, BYTE* pBytes);

// Why a record is refused; MRVRECORD_OK when it is not.
enum MRVRecordFault
{
    MRVRECORD_OK,
    MRVRECORD_HEADER_CUT_SHORT,   // fewer than 20 bytes
    MRVRECORD_DATA_ABOVE_BUFFER,  // data size exceeds buffer size
    MRVRECORD_STORED_NOT_FULL,    // an uncompressed payload whose data size is not its buffer size
    MRVRECORD_RAW_SIZE,           // a raw picture whose buffer size is not width x height x 2
    MRVRECORD_RUNCODED_TOO_LARGE, // more run-coded bytes than width x height positions can take
    MRVRECORD_STREAM_TOO_SHORT,   // more decoded bytes than a stream of data size bytes can give
    MRVRECORD_PAYLOAD_CUT_SHORT,  // fewer payload bytes present than data size
};

// A short text for the fault ("data size exceeds buffer size"), without numbers.
const char* RecordFaultText(MRVRecordFault fault);

// The largest buffer size the header's flags, width, height and data size allow: exactly
// width x height x 2 for a raw picture, the largest run-coded payload of width x height
// positions for a run-coded one, and for a compressed record no more than its stream can
// decode to. Records whose flags name no pixel layout are bounded by their stream alone.
uint64_t RecordBufferLimit(const MRVRecordHeader& header);

// Checks the header's own consistency and that nPayloadBytes bytes follow it in the file or
// entry (bytes after the payload are allowed).
MRVRecordFault CheckRecord(const MRVRecordHeader& header, uint64_t nPayloadBytes);
