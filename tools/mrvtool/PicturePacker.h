// PicturePacker.h: pictures (8-bit RGBA) to image records and decoded payloads back to pictures.
//   plain:      raw 5-6-5 pixel array (flags 2); a transparent pixel is refused;
//   colour key: raw array with colour key (flags 6); transparent pixels stored as 0, opaque
//               ones never 0 (see RgbToVisible565);
//   run-coded:  opaque and transparent runs (flags 8).
// A record is compressed (flag 1) with the payload encoder unless stored; a compressed stream
// is decoded back and compared with its payload before it is accepted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace MRVPacker
{

struct Picture
{
    uint32_t nWidth = 0;
    uint32_t nHeight = 0;
    std::vector<uint8_t> rgba; // 4 bytes per pixel, row by row, no padding
};

enum class Transparency
{
    None,      // plain raw picture
    ColourKey, // --key
    RunCoded,  // --rle
};

enum class Compression
{
    Store,    // payload stored as is
    Prefer,   // compressed, or stored when the stream would be longer than the payload
    Required, // compressed, or fail (frame sets hold compressed frames only)
};

struct DecodedPayload
{
    uint32_t dwFlags = 0; // MRVIMAGE_RAW, MRVIMAGE_COLORKEY, MRVIMAGE_RUNCODED bits
    std::vector<uint8_t> bytes;
};

// The largest picture a record holds: 65535 pixels a side, and a raw 5-6-5 array that fits the
// 32-bit buffer size.
constexpr uint32_t kMaxSide = 0xFFFF;
constexpr uint64_t kMaxBufferSize = 0xFFFFFFFFu;

// True when a picture of nWidth x nHeight can be packed; else false and why. Checked on a
// PNG's header before its pixels are decoded.
bool FitsRecord(uint32_t nWidth, uint32_t nHeight, std::string* pError);

// True when some pixel's alpha is below half.
bool HasTransparency(const Picture& picture);

// The decoded payload of a picture. Fails for a picture too large for a record, or with
// transparent pixels and Transparency::None.
bool BuildPayload(const Picture& picture, Transparency transparency, DecodedPayload* pOut,
                  std::string* pError);

// A complete image record for the picture.
bool PackPicture(const Picture& picture, Transparency transparency, Compression compression,
                 std::vector<uint8_t>* pRecord, std::string* pError);

// The picture a decoded payload shows: transparent pixels (colour key 0, transparent runs)
// come out with alpha 0 and colour 0, every other pixel opaque. Checks that the payload fits
// the flags and size.
bool UnpackPayload(uint32_t dwFlags, uint32_t nWidth, uint32_t nHeight, const uint8_t* pPayload, size_t nSize,
                   Picture* pOut, std::string* pError);

} // namespace MRVPacker
