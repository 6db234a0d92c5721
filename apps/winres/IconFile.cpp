// IconFile.cpp: the icon directory, the bitmap header, the colour rows and the mask rows.
#include "apps/winres/IconFile.h"

#include "platform/ByteOrder.h"

namespace GameApp
{

namespace
{

constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;
constexpr uint32_t kBitmapHeaderSize = 40;

using Platform::AppendLE16;
using Platform::AppendLE32;

} // namespace

std::vector<uint8_t> MakeIconFile(const Platform::ArgbPicture& picture, IconKind kind)
{
    const uint32_t nWidth = static_cast<uint32_t>(picture.nWidth);
    const uint32_t nHeight = static_cast<uint32_t>(picture.nHeight);
    const uint32_t nMaskStride = (nWidth + 31) / 32 * 4;
    const uint32_t nImageSize = kBitmapHeaderSize + nWidth * nHeight * 4 + nMaskStride * nHeight;
    const bool bCursor = kind == IconKind::Cursor;

    std::vector<uint8_t> bytes;
    // Directory and its one entry (a side of 256 is written as 0).
    AppendLE16(bytes, 0);
    AppendLE16(bytes, static_cast<uint16_t>(kind));
    AppendLE16(bytes, 1);
    bytes.push_back(static_cast<uint8_t>(nWidth & 0xFF));
    bytes.push_back(static_cast<uint8_t>(nHeight & 0xFF));
    bytes.push_back(0); // no palette
    bytes.push_back(0);
    // Planes and bits of an icon; the hot spot of a cursor.
    AppendLE16(bytes, static_cast<uint16_t>(bCursor ? picture.nHotX : 1));
    AppendLE16(bytes, static_cast<uint16_t>(bCursor ? picture.nHotY : 32));
    AppendLE32(bytes, nImageSize);
    AppendLE32(bytes, kDirectorySize + kEntrySize);

    // The bitmap header counts the colour rows and the mask rows together: twice the height.
    AppendLE32(bytes, kBitmapHeaderSize);
    AppendLE32(bytes, nWidth);
    AppendLE32(bytes, nHeight * 2);
    AppendLE16(bytes, 1);
    AppendLE16(bytes, 32);
    AppendLE32(bytes, 0); // uncompressed
    AppendLE32(bytes, nImageSize - kBitmapHeaderSize);
    for (int i = 0; i < 4; ++i)
        AppendLE32(bytes, 0); // resolution and palette counts

    // Bottom row first; 0xAARRGGBB is B, G, R, A in memory.
    for (uint32_t nRow = nHeight; nRow-- > 0;)
        for (uint32_t x = 0; x < nWidth; ++x)
            AppendLE32(bytes, picture.Pixels[nRow * nWidth + x]);
    for (uint32_t nRow = nHeight; nRow-- > 0;)
    {
        std::vector<uint8_t> mask(nMaskStride, 0);
        for (uint32_t x = 0; x < nWidth; ++x)
        {
            if ((picture.Pixels[nRow * nWidth + x] >> 24) == 0)
                mask[x / 8] = static_cast<uint8_t>(mask[x / 8] | (0x80 >> (x % 8)));
        }
        bytes.insert(bytes.end(), mask.begin(), mask.end());
    }
    return bytes;
}

} // namespace GameApp
