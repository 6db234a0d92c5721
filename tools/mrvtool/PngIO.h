// PngIO.h: PNG files to and from 8-bit RGBA pictures, through libpng.
#pragma once

#include "PicturePacker.h"

#include <string>

namespace MRVTool
{

// Reads any PNG as 8-bit RGBA. On failure returns false and says why in *pError.
bool ReadPng(const std::string& strPath, MRVPacker::Picture* pPicture, std::string* pError);

// Writes the picture as RGBA, or as RGB when every pixel is opaque.
bool WritePng(const std::string& strPath, const MRVPacker::Picture& picture, std::string* pError);

} // namespace MRVTool
