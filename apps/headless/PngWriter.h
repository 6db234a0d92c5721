// PngWriter.h: writes 8-bit RGB pictures as PNG files (libpng).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Runner
{

// rgb holds nWidth * nHeight pixels of three bytes, row after row. FALSE when the file cannot
// be written.
bool WritePngRgb(const std::string& strPath, int nWidth, int nHeight, const std::vector<uint8_t>& rgb);

} // namespace Runner
