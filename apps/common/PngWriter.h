// PngWriter.h: writes 8-bit RGB and RGBA pictures and 640x480 game frames as PNG files
// (libpng), for the runner's shots, the game's screenshots and its icon files.
#pragma once

#include "platform/Display.h"

#include <cstdint>
#include <string>
#include <vector>

namespace AppCommon
{

// rgb holds nWidth * nHeight pixels of three bytes, row after row. FALSE when the file cannot
// be written.
bool WritePngRgb(const std::string& strPath, int nWidth, int nHeight, const std::vector<uint8_t>& rgb);
// The same with four bytes a pixel, the fourth its opacity.
bool WritePngRgba(const std::string& strPath, int nWidth, int nHeight, const std::vector<uint8_t>& rgba);

// A 640x480 frame of 16-bit pixels in the given layout, rows nPitchPixels apart, as 8-bit RGB
// (all black when pPixels is null).
std::vector<uint8_t> FrameToRgb(const WORD* pPixels, LONG nPitchPixels,
                                const Platform::DisplayPixelFormat& format);

} // namespace AppCommon
