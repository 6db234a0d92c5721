// XwdImage.h: X window dumps (xwd) of true-colour screens, read into 8-bit RGBA pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Lane
{

struct RgbaImage
{
    uint32_t nWidth = 0;
    uint32_t nHeight = 0;
    std::vector<uint8_t> rgba; // 4 bytes per pixel, row by row
};

// Reads a ZPixmap dump of 16, 24 or 32 bits per pixel with its colour masks. FALSE, with the
// reason in *pError, for anything else or a damaged file.
bool ReadXwd(const std::string& strPath, RgbaImage* pImage, std::string* pError);

// The pixel at (x, y) reduced to 5-6-5, the display's own format.
uint16_t Pixel565(const RgbaImage& image, uint32_t x, uint32_t y);

} // namespace Lane
