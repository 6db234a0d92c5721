// IconFiles.cpp: velvina-icons, which writes the game's icon as PNG files for the desktop's
// icon theme: OUTDIR/NxN/apps/velvina.png for each size, drawn from the same art as the
// window's icon.
#include "apps/common/PngWriter.h"
#include "platform/sdl/SdlArt.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: velvina-icons OUTDIR\n");
        return 2;
    }
    for (int nSize : {16, 24, 32, 48, 64, 128, 256})
    {
        const Platform::ArgbPicture icon = Platform::DrawAppIcon(nSize);
        std::vector<uint8_t> rgba;
        rgba.reserve(icon.Pixels.size() * 4);
        for (uint32_t dwPixel : icon.Pixels)
            for (int nShift : {16, 8, 0, 24})
                rgba.push_back(static_cast<uint8_t>(dwPixel >> nShift));
        const std::string strSize = std::to_string(nSize) + "x" + std::to_string(nSize);
        const std::filesystem::path dir = std::filesystem::path(argv[1]) / strSize / "apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        const std::string strFile = (dir / "velvina.png").string();
        if (!AppCommon::WritePngRgba(strFile, nSize, nSize, rgba))
        {
            std::fprintf(stderr, "velvina-icons: cannot write %s\n", strFile.c_str());
            return 1;
        }
    }
    return 0;
}
