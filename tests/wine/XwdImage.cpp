// XwdImage.cpp: the dump's big-endian header, its colour table (skipped) and its pixel rows.
#include "XwdImage.h"

#include "tools/common/FileBytes.h"

namespace Lane
{

namespace
{

constexpr size_t kHeaderWords = 25;
constexpr uint32_t kZPixmap = 2;

uint32_t BigEndianWord(const std::vector<uint8_t>& bytes, size_t nWord)
{
    const size_t i = nWord * 4;
    return (uint32_t(bytes[i]) << 24) | (uint32_t(bytes[i + 1]) << 16) | (uint32_t(bytes[i + 2]) << 8) |
           bytes[i + 3];
}

// The field of pixel value dwPixel under dwMask, scaled to 8 bits.
uint8_t Channel(uint32_t dwPixel, uint32_t dwMask)
{
    if (!dwMask)
        return 0;
    int nShift = 0;
    while (!((dwMask >> nShift) & 1))
        ++nShift;
    const uint32_t dwMax = dwMask >> nShift;
    const uint32_t dwValue = (dwPixel & dwMask) >> nShift;
    return static_cast<uint8_t>((dwValue * 255 + dwMax / 2) / dwMax);
}

bool Fail(std::string* pError, const std::string& strPath, const char* pszWhy)
{
    *pError = strPath + ": " + pszWhy;
    return false;
}

} // namespace

bool ReadXwd(const std::string& strPath, RgbaImage* pImage, std::string* pError)
{
    std::vector<uint8_t> bytes;
    std::string strWhy;
    if (!ToolFiles::ReadFileBytes(strPath, &bytes, &strWhy))
        return Fail(pError, strPath, strWhy.c_str());
    if (bytes.size() < kHeaderWords * 4)
        return Fail(pError, strPath, "too short for a dump header");
    const uint32_t dwHeaderSize = BigEndianWord(bytes, 0);
    const uint32_t dwFormat = BigEndianWord(bytes, 2);
    const uint32_t dwWidth = BigEndianWord(bytes, 4);
    const uint32_t dwHeight = BigEndianWord(bytes, 5);
    const uint32_t dwByteOrder = BigEndianWord(bytes, 7);
    const uint32_t dwBitsPerPixel = BigEndianWord(bytes, 11);
    const uint32_t dwBytesPerLine = BigEndianWord(bytes, 12);
    const uint32_t dwMasks[3] = {BigEndianWord(bytes, 14), BigEndianWord(bytes, 15),
                                 BigEndianWord(bytes, 16)};
    const uint32_t dwColours = BigEndianWord(bytes, 19);
    if (dwFormat != kZPixmap || (dwBitsPerPixel != 16 && dwBitsPerPixel != 24 && dwBitsPerPixel != 32))
        return Fail(pError, strPath, "is not a true-colour ZPixmap dump of 16, 24 or 32 bits per pixel");
    const uint32_t dwBytesPerPixel = dwBitsPerPixel / 8;
    if (dwWidth == 0 || dwHeight == 0 || dwWidth > 16384 || dwHeight > 16384 ||
        dwBytesPerLine < dwWidth * dwBytesPerPixel)
        return Fail(pError, strPath, "has an impossible size");
    const uint64_t qwPixelsAt = uint64_t(dwHeaderSize) + uint64_t(dwColours) * 12;
    if (qwPixelsAt + uint64_t(dwBytesPerLine) * dwHeight > bytes.size())
        return Fail(pError, strPath, "ends before its last row");

    pImage->nWidth = dwWidth;
    pImage->nHeight = dwHeight;
    pImage->rgba.assign(size_t(dwWidth) * dwHeight * 4, 0);
    for (uint32_t y = 0; y < dwHeight; ++y)
    {
        const uint8_t* pRow = bytes.data() + qwPixelsAt + size_t(y) * dwBytesPerLine;
        for (uint32_t x = 0; x < dwWidth; ++x)
        {
            const uint8_t* p = pRow + size_t(x) * dwBytesPerPixel;
            uint32_t dwPixel = 0;
            for (uint32_t i = 0; i < dwBytesPerPixel; ++i)
            {
                const uint32_t dwByte = dwByteOrder == 0 ? p[i] : p[dwBytesPerPixel - 1 - i];
                dwPixel |= dwByte << (8 * i);
            }
            uint8_t* pOut = pImage->rgba.data() + (size_t(y) * dwWidth + x) * 4;
            for (int c = 0; c < 3; ++c)
                pOut[c] = Channel(dwPixel, dwMasks[c]);
            pOut[3] = 255;
        }
    }
    return true;
}

uint16_t Pixel565(const RgbaImage& image, uint32_t x, uint32_t y)
{
    const uint8_t* p = image.rgba.data() + (size_t(y) * image.nWidth + x) * 4;
    return static_cast<uint16_t>(((p[0] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[2] >> 3));
}

} // namespace Lane
