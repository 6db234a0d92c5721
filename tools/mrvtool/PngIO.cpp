// PngIO.cpp: PNG reading and writing with libpng's simplified interface, in memory, so that
// files are read and written by the tools' checked file functions: libpng's own file writer
// removes its output path when a write fails, whatever that path is.
#include "PngIO.h"

#include "tools/common/FileBytes.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace MRVTool
{

namespace
{

bool IsOpaque(const MRVPacker::Picture& picture)
{
    for (size_t i = 3; i < picture.rgba.size(); i += 4)
    {
        if (picture.rgba[i] != 255)
            return false;
    }
    return true;
}

png_image EmptyImage()
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    return image;
}

} // namespace

bool ReadPng(const std::string& strPath, MRVPacker::Picture* pPicture, std::string* pError)
{
    std::vector<uint8_t> file;
    if (!ToolFiles::ReadFileBytes(strPath, &file, pError))
        return false;
    png_image image = EmptyImage();
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size()))
    {
        *pError = std::string("not a readable PNG: ") + image.message;
        return false;
    }
    // The header's size is checked before the pixels are allocated and decoded.
    if (!MRVPacker::FitsRecord(image.width, image.height, pError))
    {
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    pPicture->nWidth = image.width;
    pPicture->nHeight = image.height;
    pPicture->rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pPicture->rgba.data(), 0, nullptr))
    {
        *pError = std::string("damaged PNG: ") + image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

bool WritePng(const std::string& strPath, const MRVPacker::Picture& picture, std::string* pError)
{
    png_image image = EmptyImage();
    image.width = picture.nWidth;
    image.height = picture.nHeight;
    const bool bOpaque = IsOpaque(picture);
    image.format = bOpaque ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgb;
    const uint8_t* pPixels = picture.rgba.data();
    if (bOpaque)
    {
        rgb.reserve(picture.rgba.size() / 4 * 3);
        for (size_t i = 0; i < picture.rgba.size(); i += 4)
            rgb.insert(rgb.end(), &picture.rgba[i], &picture.rgba[i] + 3);
        pPixels = rgb.data();
    }
    // The first call only measures the encoded size.
    png_alloc_size_t nSize = 0;
    std::vector<uint8_t> encoded;
    if (png_image_write_to_memory(&image, nullptr, &nSize, 0, pPixels, 0, nullptr))
    {
        encoded.resize(nSize);
        if (!png_image_write_to_memory(&image, encoded.data(), &nSize, 0, pPixels, 0, nullptr))
            nSize = 0;
    }
    if (nSize == 0)
    {
        *pError = std::string("cannot encode PNG: ") + image.message;
        png_image_free(&image);
        return false;
    }
    encoded.resize(nSize);
    return ToolFiles::WriteFileBytes(strPath, encoded, pError);
}

} // namespace MRVTool
