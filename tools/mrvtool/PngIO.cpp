// PngIO.cpp: PNG reading and writing with libpng's simplified interface.
#include "PngIO.h"

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

} // namespace

bool ReadPng(const std::string& strPath, MRVPacker::Picture* pPicture, std::string* pError)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, strPath.c_str()))
    {
        *pError = std::string("not a readable PNG: ") + image.message;
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
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
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
    if (!png_image_write_to_file(&image, strPath.c_str(), 0, pPixels, 0, nullptr))
    {
        *pError = std::string("cannot write PNG: ") + image.message;
        return false;
    }
    return true;
}

} // namespace MRVTool
