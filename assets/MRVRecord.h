// MRVRecord.h: the packed image record as bytes: its 20-byte header (magic "MRVX", flags,
// width, height, buffer size, data size, little-endian) and its flag bits. .mri files hold one
// record; .mrm frame-set entries hold one each.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>

// Flag bits of an image record.
enum : DWORD
{
    MRVIMAGE_COMPRESSED = 1, // payload is a compressed stream
    MRVIMAGE_RAW = 2,        // decoded payload is a raw pixel array
    MRVIMAGE_COLORKEY = 4,   // with MRVIMAGE_RAW: pixel value 0 is not drawn
    MRVIMAGE_RUNCODED = 8,   // decoded payload is run-coded pixels
};

constexpr size_t MRVIMAGE_HEADER_SIZE = 20;
