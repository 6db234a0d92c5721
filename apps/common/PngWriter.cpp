// PngWriter.cpp: the libpng calls behind WritePngRgb, and the frame's conversion to RGB.
#include "apps/common/PngWriter.h"

#include "platform/PixelRgb.h"
#include "platform/ScreenFormat.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace AppCommon
{

namespace
{
struct FileCloser
{
    void operator()(FILE* pFile) const { std::fclose(pFile); }
};

// 8-bit pixels of nChannels bytes (3: RGB, 4: RGBA), row after row.
bool WritePng(const std::string& strPath, int nWidth, int nHeight, const std::vector<uint8_t>& pixels,
              int nChannels)
{
    if (nWidth <= 0 || nHeight <= 0 || pixels.size() != static_cast<size_t>(nWidth) * nHeight * nChannels)
        return false;
    std::unique_ptr<FILE, FileCloser> pFile(std::fopen(strPath.c_str(), "wb"));
    if (!pFile)
        return false;
    png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!pPng)
        return false;
    png_infop pInfo = png_create_info_struct(pPng);
    if (!pInfo || setjmp(png_jmpbuf(pPng)))
    {
        png_destroy_write_struct(&pPng, &pInfo);
        return false;
    }
    png_init_io(pPng, pFile.get());
    png_set_IHDR(pPng, pInfo, static_cast<png_uint_32>(nWidth), static_cast<png_uint_32>(nHeight), 8,
                 nChannels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(pPng, pInfo);
    for (int y = 0; y < nHeight; ++y)
        png_write_row(pPng, pixels.data() + static_cast<size_t>(y) * nWidth * nChannels);
    png_write_end(pPng, nullptr);
    png_destroy_write_struct(&pPng, &pInfo);
    return std::ferror(pFile.get()) == 0;
}

} // namespace

bool WritePngRgb(const std::string& strPath, int nWidth, int nHeight, const std::vector<uint8_t>& rgb)
{
    return WritePng(strPath, nWidth, nHeight, rgb, 3);
}

bool WritePngRgba(const std::string& strPath, int nWidth, int nHeight, const std::vector<uint8_t>& rgba)
{
    return WritePng(strPath, nWidth, nHeight, rgba, 4);
}

std::vector<uint8_t> FrameToRgb(const WORD* pPixels, LONG nPitchPixels,
                                const Platform::DisplayPixelFormat& format)
{
    constexpr int nWidth = Platform::kScreenWidth;
    constexpr int nHeight = Platform::kScreenHeight;
    std::vector<uint8_t> rgb(static_cast<size_t>(nWidth) * nHeight * 3u, 0);
    if (!pPixels)
        return rgb;
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            Platform::PixelToRgb(pPixels[static_cast<size_t>(y) * nPitchPixels + x], format,
                                 &rgb[(static_cast<size_t>(y) * nWidth + x) * 3]);
    return rgb;
}

} // namespace AppCommon
